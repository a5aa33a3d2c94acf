#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "app/HelpWindow.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "import/widgets/CSetupWizardDlg.h"
#include "import/widgets/CUnitModelDlg.h"
#include "model/CommandIds.h"
#include "pages/widgets/ArchEntryDlg.h"
#include "support/ScriptedPrompter.h"
#include "unit/UnitHistory.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/FindCableDlg.h"
#include "unit/widgets/ModemDlg.h"
#include "unit/widgets/PasswordDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"
#include "unit/widgets/VerifyDetailsDlg.h"
#include "window/AccessibleNames.h"

namespace {

// What the walk found wrong, one line a fault, with the view it was found in.
using Faults = std::vector<std::string>;

// How much the last walk read: controls, rows, and rows that said their marks.
struct Read {
    int m_nControls = 0;
    int m_nRows = 0;
    int m_nMarked = 0;
};

std::vector<SerialPortEntry> TwoPorts() {
    return {{"ttyS0", "", "", -1, -1}, {"ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001}};
}

// A control that takes input and is named only by the group box it sits in,
// with other controls beside it: a screen reader says the group's title for
// it, which is not its label (the delay field was "Idle Loop Editor").
Faults NamedOnlyByTheirGroup(QWidget& window, const QString& view) {
    Faults faults;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QProgressBar*>(w) ||
                           qobject_cast<QAbstractSpinBox*>(w);
        auto* group = qobject_cast<QGroupBox*>(w->parentWidget());
        if (!input || !w->isVisible() || !w->accessibleName().isEmpty() || !group ||
            qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        bool labelled = false;
        for (QLabel* label : window.findChildren<QLabel*>()) labelled |= label->buddy() == w;
        if (labelled) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face && face->text(QAccessible::Name) == NameOfLabel(group->title()))
            faults.push_back(view.toStdString() + ": " + w->metaObject()->className() + " '" +
                             w->objectName().toStdString() + "' is named after its group '" +
                             group->title().toStdString() + "'");
    }
    return faults;
}

class AccessibilityWalk : public AppTest {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("ZRT_ATSPI_WALK"))
            GTEST_SKIP()
                << "run by tests/app/accessibility/run-walk.sh under the accessibility bus";
        AppTest::SetUp();
        InstallAccessibleComboBoxes();
    }

    // Walks what the program shows now as a screen reader does; `speaking`
    // names the item views whose rows must say their marks.
    Faults Walk(QWidget& window, const QString& view, const QStringList& speaking = {}) {
        window.show();
        window.raise();
        window.activateWindow();
        QTest::qWait(300);
        Faults faults = NamedOnlyByTheirGroup(window, view);
        m_read = {};
        QProcess walker;
        QEventLoop loop;
        QObject::connect(&walker, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&walker, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        // The window answers the walker's questions while it waits.
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        walker.start("/usr/bin/python3",
                     QStringList{ZRT_ACCESSIBILITY_WALKER,
                                 QString::number(QCoreApplication::applicationPid()), view} +
                         speaking);
        loop.exec();
        if (walker.state() != QProcess::NotRunning) {
            walker.kill();
            walker.waitForFinished(2000);
            faults.push_back(view.toStdString() + ": the walk did not end within 120 s");
            return faults;
        }
        if (walker.exitStatus() != QProcess::NormalExit || walker.exitCode() != 0) {
            faults.push_back(view.toStdString() +
                             ": the walk failed: " + walker.readAllStandardError().toStdString());
            return faults;
        }
        for (const QByteArray& line : walker.readAllStandardOutput().split('\n')) {
            if (line.trimmed().isEmpty()) continue;
            const QJsonObject f = QJsonDocument::fromJson(line).object();
            if (f.contains("summary")) {
                const QJsonObject s = f["summary"].toObject();
                m_read = {s["controls"].toInt(), s["rows"].toInt(), s["marked"].toInt()};
                continue;
            }
            faults.push_back(QString("%1: %2 '%3' at %4: %5")
                                 .arg(f["view"].toString(), f["role"].toString(),
                                      f["name"].toString(), f["path"].toString(),
                                      f["problem"].toString())
                                 .toStdString());
        }
        return faults;
    }

    void Expect(Faults& all, Faults found) { all.insert(all.end(), found.begin(), found.end()); }

    Read m_read;
};

std::string Listed(const Faults& faults) {
    std::string text;
    for (const std::string& f : faults) text += f + "\n";
    return text;
}

}  // namespace

// Every showing control of the main window's views and pages has a name, and
// it is its label's; every row of the tree and the Arch Number list says its
// number, name and marks.
TEST_F(AccessibilityWalk, EveryPageNamesEveryControlAndEveryRowSpeaks) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 1, 100))));
    // Two inputs on one number, one of them non-pageable.
    std::vector<int> inputs;
    for (int i = 0; i < m_doc.NodeCount(); ++i)
        if (m_doc.IsInput(i)) inputs.push_back(i);
    ASSERT_GE(inputs.size(), 3u);
    m_doc.m_nodes[inputs[2]].m_strArch = m_doc.m_nodes[inputs[1]].m_strArch;
    m_doc.m_nodes[inputs[2]].MakeNonPageable();
    RefreshInputItems(m_doc, frame.Tree());

    const QStringList speaking = {"Configuration=inputs", "Arch Number List=all"};
    Faults faults;
    std::set<PageKind> seen;
    for (int i = 0; i < m_doc.NodeCount(); ++i) {
        const PageKind kind = m_doc.m_nodes[i].m_pPageClass;
        if (!seen.insert(kind).second || !m_doc.m_nodes[i].m_hItem) continue;
        ClickItem(frame.Tree(), CLeftTreeView::ToWidgetItem(m_doc.m_nodes[i].m_hItem));
        Expect(faults, Walk(frame, QString("page of %1").arg(i), speaking));
    }
    ClickItem(frame.Tree(), CLeftTreeView::ToWidgetItem(m_doc.m_nodes[inputs[1]].m_hItem));
    frame.Action(kCmdEditFind)->trigger();
    Expect(faults, Walk(frame, "conflicting input with the find bar", speaking));
    // The walk heard the controls and the rows, the marks among them: the
    // tree's inputs and every row of the Arch Number list.
    EXPECT_GE(m_read.m_nControls, 8);
    EXPECT_GE(m_read.m_nRows, 20);
    EXPECT_GE(m_read.m_nMarked, 15);
    frame.ShowPage(PageKind::CStatusForm, nullptr);
    Expect(faults, Walk(frame, "progress page"));
    EXPECT_GE(seen.size(), 5u);
    EXPECT_TRUE(faults.empty()) << Listed(faults);
}

// Every dialog of the program, as it opens.
TEST_F(AccessibilityWalk, EveryDialogNamesEveryControl) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    Faults faults;
    ScriptedPrompter prompter;
    {
        ConnectionDlg dlg(*m_profile, &frame, TwoPorts);
        Expect(faults, Walk(dlg, "connection, demonstration unit"));
        dlg.NewButton()->click();
        Expect(faults, Walk(dlg, "connection, serial"));
        dlg.ViaBox()->setCurrentIndex(1);
        Expect(faults, Walk(dlg, "connection, network"));
        dlg.ViaBox()->setCurrentIndex(2);
        Expect(faults, Walk(dlg, "connection, modem"));
    }
    {
        PasswordDlg dlg(&frame);
        Expect(faults, Walk(dlg, "password"));
    }
    {
        ModemDlg dlg(&frame);
        Expect(faults, Walk(dlg, "remote modem"));
    }
    {
        FindCableDlg dlg(TwoPorts, &frame);
        Expect(faults, Walk(dlg, "find my cable"));
    }
    {
        MainState state;
        state.m_nVerifyDifferences = 2;
        state.m_verifyDifferences = {{0x0100, 0x12, 0x13}, {0x0200, 0x00, 0xFF}};
        VerifyDetailsDlg dlg(state, &frame);
        Expect(faults, Walk(dlg, "verify details"));
    }
    {
        UnitHistory history(PathOf("history"));
        std::string reason;
        UnitHistoryEntry entry;
        entry.m_strKind = "read";
        entry.m_strConnection = "Lobby unit";
        ASSERT_TRUE(history.Keep(entry, std::vector<uint8_t>(65536, 0xFF), reason)) << reason;
        UnitHistoryDlg dlg(history, {}, &frame);
        Expect(faults, Walk(dlg, "unit history"));
    }
    {
        ArchEntryDlg dlg("101", "Gate North", true, &frame);
        Expect(faults, Walk(dlg, "edit Arch Number and name"));
    }
    {
        CUnitModelDlg dlg(prompter, true, &frame);
        Expect(faults, Walk(dlg, "unit model"));
    }
    {
        CSetupWizardDlg dlg(prompter, &frame);
        Expect(faults, Walk(dlg, "setup wizard"));
    }
    {
        DiffDialog dlg({{"Input 1", "101  Gate", "102  Gate"}, {"Idle loop", "", "101"}},
                       "Compare with File", "site.zrt", DiffDialog::Mode::Show, &frame);
        Expect(faults, Walk(dlg, "differences"));
    }
    {
        AboutDlg dlg(&frame);
        Expect(faults, Walk(dlg, "about"));
    }
    {
        HelpWindow help(&frame);
        help.ShowPage(ZRT_HELP_PAGE);
        Expect(faults, Walk(help, "help"));
    }
    EXPECT_TRUE(faults.empty()) << Listed(faults);
}
