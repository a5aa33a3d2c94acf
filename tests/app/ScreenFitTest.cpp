#include <QPushButton>
#include <QScreen>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "app/HelpWindow.h"
#include "app/ScreenFit.h"
#include "app/WindowPlacer.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "import/widgets/CSetupWizardDlg.h"
#include "import/widgets/CUnitModelDlg.h"
#include "model/WindowPlacement.h"
#include "pages/widgets/ArchEntryDlg.h"
#include "pages/widgets/CBaseForm.h"
#include "support/ScriptedPrompter.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/ModemDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"

namespace {

// Run at QT_SCALE_FACTOR 1.5 and 2 on a 1366x768 screen (the offscreen
// platform's configuration beside this file).
class ScreenFitTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        InstallScreenFit(*qApp, m_fitting);
        m_area = QGuiApplication::primaryScreen()->availableGeometry();
    }

    // The window, frame and all, lies on the screen's free area, and it is no
    // smaller than its contents need, so nothing of it is cut off.
    void ExpectFits(QWidget& window, const char* what) {
        window.show();
        QTest::qWait(20);
        const QRect outer = window.frameGeometry();
        EXPECT_TRUE(m_area.contains(outer))
            << what << ": " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
            << outer.height() << " on " << m_area.width() << "x" << m_area.height();
        const QSize least = window.minimumSizeHint();
        EXPECT_GE(window.width(), least.width()) << what;
        EXPECT_GE(window.height(), least.height()) << what;
    }

    QRect m_area;
    QObject m_fitting;
};

qreal Scale() { return qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble(); }

}  // namespace

// The main window at its first start and at a place and size kept from a run
// at a smaller scale; every page in it.
TEST_F(ScreenFitTest, MainWindowAndEveryPageFit) {
    ASSERT_GT(Scale(), 1.0) << "run with QT_SCALE_FACTOR set, as CTest does";
    CMainFrame first(m_doc, *m_profile);
    ShowPlaced(first, *m_profile, QSize(1040, 700));
    ExpectFits(first, "first start");
    first.close();

    SavePlacement(*m_profile, {{30, 20, 1300, 740}, false});
    CMainFrame frame(m_doc, *m_profile);
    frame.Prompter().SetScripted(true);
    ShowPlaced(frame, *m_profile, QSize(1040, 700));
    ExpectFits(frame, "restored placement");
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 1, 100))));
    std::set<PageKind> seen;
    for (int i = 0; i < m_doc.NodeCount(); ++i) {
        const PageKind kind = m_doc.m_nodes[i].m_pPageClass;
        if (!seen.insert(kind).second || !m_doc.m_nodes[i].m_hItem) continue;
        frame.Tree().SelectItem(m_doc.m_nodes[i].m_hItem);
        ExpectFits(frame, "a page");
    }
    frame.ShowPage(PageKind::CStatusForm, nullptr);
    ExpectFits(frame, "progress page");
}

// Help, the wizard and the dialogs open within the screen at any scale.
TEST_F(ScreenFitTest, DialogsAndHelpFit) {
    CMainFrame& frame = NewFrame();
    ScriptedPrompter prompter;
    {
        HelpWindow help(&frame);
        help.ShowPage(ZRT_HELP_PAGE);
        ExpectFits(help, "help");
    }
    {
        CSetupWizardDlg wizard(prompter, &frame);
        ExpectFits(wizard, "wizard");
    }
    {
        ConnectionDlg dlg(*m_profile, &frame, [] { return std::vector<SerialPortEntry>{}; });
        dlg.NewButton()->click();
        ExpectFits(dlg, "connection");
    }
    {
        ModemDlg dlg(&frame);
        ExpectFits(dlg, "modem");
    }
    {
        const UnitHistory history(PathOf("history"));
        UnitHistoryDlg dlg(history, {}, &frame);
        ExpectFits(dlg, "unit history");
    }
    {
        DiffDialog dlg({{"Input 1", "101", "102"}}, "Compare with File", "site.zrt",
                       DiffDialog::Mode::Show, &frame);
        ExpectFits(dlg, "differences");
    }
    {
        CUnitModelDlg dlg(prompter, true, &frame);
        ExpectFits(dlg, "unit model");
    }
    {
        ArchEntryDlg dlg("101", "Gate", true, &frame);
        ExpectFits(dlg, "edit");
    }
    {
        AboutDlg dlg(&frame);
        ExpectFits(dlg, "about");
    }
}
