#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "app/AppFixture.h"
#include "app/CDocumentCommands.h"
#include "link/SimProcess.h"
#include "model/CommandIds.h"
#include "pages/widgets/CBaseForm.h"
#include "unit/AddressBook.h"
#include "unit/widgets/CConnectionDlg.h"
#include "unit/widgets/CFrameLinkUi.h"
#include "unit/widgets/CPasswordDlg.h"
#include "unit/widgets/CStatusForm.h"
#include "unit/widgets/CUnitCommands.h"
#include "unit/widgets/CWindowUnitLink.h"
#include "unit/widgets/ModalAnswer.h"

namespace {

const std::string kCannotClose = "Cannot close, Currently Communicating with the M-4400 unit.";

std::vector<std::string> InputArchNumbers(const CZRTProDoc& doc) {
    std::vector<std::string> numbers;
    for (size_t i = 3; i < doc.m_nodes.size(); ++i)
        if (doc.m_nodes[i].m_nSignedCode >= 0) numbers.push_back(doc.m_nodes[i].m_strArch);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Picks (or first adds) the address-book entry `name` for the serial port `port`.
void ConnectTo(const std::string& name, const std::string& port) {
    WhenShown<CConnectionDlg>([name, port](CConnectionDlg& dlg) {
        const QList<QListWidgetItem*> found =
            dlg.Units()->findItems(QString::fromStdString(name), Qt::MatchExactly);
        if (found.isEmpty()) {
            dlg.NewButton()->click();
            dlg.NameEdit()->setText(QString::fromStdString(name));
            dlg.ViaBox()->setCurrentIndex(0);
            dlg.PortBox()->setCurrentText(QString::fromStdString(port));
        } else {
            dlg.Units()->setCurrentItem(found.front());
        }
        dlg.ConnectButton()->click();
    });
}

void TypePassword(const QString& password) {
    WhenShown<CPasswordDlg>([password](CPasswordDlg& dlg) {
        EXPECT_EQ(dlg.PasswordEdit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dlg.PasswordEdit(), password);
        QTest::keyClick(dlg.PasswordEdit(), Qt::Key_Return);
    });
}

// The unit commands in the window, against zrtpro-unitsim on a pseudo-terminal.
class UnitWindowTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // The demonstration unit's memory goes to this test's folder.
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(PathOf("data")));
    }

    CUnitCommands& UnitCommands(CMainFrame& frame) {
        for (QObject* child : frame.children())
            if (auto* group = dynamic_cast<CUnitCommands*>(child)) return *group;
        throw std::logic_error("no unit commands");
    }

    std::string StartSim(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {"--eeprom", PathOf("unit.bin")};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_TRUE(m_sim.Start(args));
        return m_sim.Connection().substr(std::string("serial:").size());
    }

    // Opens a configuration of a Lunetta site with a 3-digit dial plan.
    void OpenSite(CMainFrame& frame, int ports, int ciuCount, int firstNumber) {
        ASSERT_TRUE(frame.Documents().OpenFile(
            QString::fromStdString(WriteConfig("site.zrt", ports, ciuCount, firstNumber))));
        m_doc.m_nPagingSystem = 2;
        m_doc.m_nDialDigits = 3;
    }

    SimProcess m_sim;
};

TEST_F(UnitWindowTest, WritesWithVerifyRefusesToCloseMeanwhileAndReadsBack) {
    const std::string port = StartSim({"--password", "4321"});
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 8, 2, 100);
    const std::vector<std::string> written = InputArchNumbers(m_doc);

    frame.Action(kCmdVerifyWrite)->trigger();
    EXPECT_TRUE(frame.Action(kCmdVerifyWrite)->isChecked());
    EXPECT_EQ(m_profile->GetInt("userdata", "EnableVerify", 0), 1);

    // While the write runs: the progress page, the commands off, no close box,
    // and a close refused.
    struct Seen {
        bool m_bClosedOnce = false;
        bool m_bProgressPage = false;
        bool m_bFileNewEnabled = true;
        bool m_bSetTimeEnabled = true;
        bool m_bCloseBox = true;
        bool m_bStillShown = false;
        int m_nLastProgress = -1;
        int m_nProgressSteps = 0;
    } seen;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!frame.State().m_bBusy || !frame.StatusText().startsWith("Writing")) return;
        auto* page = dynamic_cast<CStatusForm*>(frame.CurrentPage());
        seen.m_bProgressPage = page != nullptr;
        if (page && page->Progress() != seen.m_nLastProgress) {
            seen.m_nLastProgress = page->Progress();
            ++seen.m_nProgressSteps;
        }
        if (seen.m_bClosedOnce) return;
        seen.m_bClosedOnce = true;
        seen.m_bFileNewEnabled = frame.Action(kCmdFileNew)->isEnabled();
        seen.m_bSetTimeEnabled = frame.Action(kCmdSetTime)->isEnabled();
        seen.m_bCloseBox = frame.windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
                           !frame.windowFlags().testFlag(Qt::CustomizeWindowHint);
        frame.close();
        seen.m_bStillShown = frame.isVisible();
    });
    watch.start();
    ConnectTo("Bench unit", port);
    TypePassword("4321");
    frame.Action(kCmdWriteUnit)->trigger();
    watch.stop();

    EXPECT_EQ(frame.StatusText(), "Write operation completed and Verified");
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{kCannotClose});
    EXPECT_TRUE(seen.m_bClosedOnce);
    EXPECT_TRUE(seen.m_bStillShown);
    EXPECT_TRUE(seen.m_bProgressPage);
    EXPECT_GT(seen.m_nProgressSteps, 3);
    EXPECT_FALSE(seen.m_bFileNewEnabled);
    EXPECT_FALSE(seen.m_bSetTimeEnabled);
    EXPECT_FALSE(seen.m_bCloseBox);
    // Afterwards: the window as it was, its page back, the relayout under way.
    EXPECT_TRUE(frame.isVisible());
    EXPECT_FALSE(frame.State().m_bBusy);
    EXPECT_FALSE(frame.windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    EXPECT_TRUE(frame.Action(kCmdFileNew)->isEnabled());
    EXPECT_TRUE(UnitCommands(frame).LinkUi().RelayoutPending());
    // The entry is in the address book; the password is nowhere in the profile.
    const AddressBook book = AddressBook::Load(*m_profile);
    ASSERT_EQ(book.Entries().size(), 1u);
    EXPECT_EQ(book.Entries()[0].m_strConnection, "serial:" + port + ":9600");
    EXPECT_EQ(book.m_strLastUsed, "Bench unit");
    EXPECT_EQ(Slurp(PathOf("profile.ini")).find("4321"), std::string::npos);

    // Read it back: the same entry, picked from the book.
    frame.Prompter().ClearShown();
    frame.Prompter().SetNextAnswer(PromptAnswer::No);  // the modified configuration is not saved
    frame.Prompter().SetNextUnitModel({2, 0});
    ConnectTo("Bench unit", port);
    TypePassword("4321");
    frame.Action(kCmdReadUnit)->trigger();

    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to site.zrt?"});
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(frame.Tree().ItemText(frame.Tree().RootItem()), "untitled System");
    EXPECT_EQ(InputArchNumbers(m_doc), written);
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    EXPECT_EQ(frame.StatusText(), "");
}

TEST_F(UnitWindowTest, CancellingTheConnectionEndsTheCommandSilently) {
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 4, 0, 10);
    for (int command : {kCmdWriteUnit, kCmdReadUnit, kCmdSetTime}) {
        WhenShown<CConnectionDlg>([](CConnectionDlg& dlg) { dlg.reject(); });
        frame.Action(command)->trigger();
        EXPECT_EQ(frame.StatusText(), "Attempting connect to M-4400 . . .") << command;
        EXPECT_TRUE(frame.Prompter().ShownTexts().empty()) << command;
        EXPECT_FALSE(frame.State().m_bBusy);
        EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    }
}

// A new user's first try: the built-in unit keeps what is written to it in
// the user's data folder, and reads it back in a later run.
TEST_F(UnitWindowTest, TheDemonstrationUnitTakesAWriteAndGivesItBack) {
    {
        CMainFrame& frame = NewFrame();
        OpenSite(frame, 4, 1, 300);
        WhenShown<CConnectionDlg>([](CConnectionDlg& dlg) {
            EXPECT_EQ(dlg.Units()->currentRow(), 0);
            dlg.ConnectButton()->click();
        });
        frame.Action(kCmdWriteUnit)->trigger();
        EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
        EXPECT_EQ(frame.StatusText(), "");
        const std::string memory = UnitCommands(frame).Link().DemoMemoryPath();
        EXPECT_EQ(memory.rfind(PathOf("data"), 0), 0u) << memory;
        EXPECT_EQ(Slurp(memory).size(), 65536u);
    }
    const std::vector<std::string> written = InputArchNumbers(m_doc);
    m_frames.clear();
    m_doc.SetModifiedFlag(false);
    CMainFrame& frame = NewFrame();
    frame.Prompter().SetNextUnitModel({1, 0});
    WhenShown<CConnectionDlg>([](CConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
    frame.Action(kCmdReadUnit)->trigger();
    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_EQ(InputArchNumbers(m_doc), written);
}

}  // namespace
