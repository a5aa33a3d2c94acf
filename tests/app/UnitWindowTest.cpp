#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cstdio>

#include "app/AppFixture.h"
#include "app/DiffRows.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "model/Format.h"
#include "pages/widgets/CBaseForm.h"
#include "support/ModalAnswers.h"
#include "support/SimProcess.h"
#include "unit/AddressBook.h"
#include "unit/BuildUnitImage.h"
#include "unit/widgets/CStatusForm.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/FrameLinkUi.h"
#include "unit/widgets/PasswordDlg.h"
#include "unit/widgets/UnitCommandGroup.h"
#include "unit/widgets/UnitHistoryDlg.h"
#include "unit/widgets/VerifyDetailsDlg.h"
#include "unit/widgets/WindowUnitLink.h"

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
    WhenShown<ConnectionDlg>([name, port](ConnectionDlg& dlg) {
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
    WhenShown<PasswordDlg>([password](PasswordDlg& dlg) {
        EXPECT_EQ(dlg.PasswordEdit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dlg.PasswordEdit(), password);
        QTest::keyClick(dlg.PasswordEdit(), Qt::Key_Return);
    });
}

// The unit commands in the window, against zrtpro-unitsim on a pseudo-terminal.
class UnitWindowTest : public AppTest {
protected:
    // These journeys write without the copy kept first, unless they turn it on.
    void SetUp() override {
        AppTest::SetUp();
        m_profile->SetInt("userdata", "KeepBeforeWrite", 0);
    }

    // Every write asks "Write to Unit" first, the copy kept or not: Write.
    static void AnswerWrite() {
        WhenShown<DiffDialog>(
            [](DiffDialog& dlg) { dlg.findChild<QPushButton*>("diffWrite")->click(); });
    }

    UnitCommandGroup& UnitCommands(CMainFrame& frame) {
        for (QObject* child : frame.children())
            if (auto* group = dynamic_cast<UnitCommandGroup*>(child)) return *group;
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

    // What a write showed around the stop question.
    struct StopAsked {
        QString m_asked;
        int m_nProgressAsked = -1;
        int m_nProgressAnswered = -1;
        QString m_status;
        QString m_line;
        QString m_elapsed;
    };

    // Writes to the unit on `port`, clicks the progress page's Cancel once 5 %
    // is written, holds the real question box open `holdMs`, then clicks
    // `answer`. Whatever the program says after the answer is recorded.
    StopAsked WriteAndAnswerStop(CMainFrame& frame, const std::string& port, int holdMs,
                                 QMessageBox::StandardButton answer) {
        StopAsked seen;
        QPointer<QMessageBox> question;
        QElapsedTimer held;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* page = dynamic_cast<CStatusForm*>(frame.CurrentPage());
            if (!page || !frame.StatusText().startsWith("Writing")) return;
            if (seen.m_nProgressAsked < 0 && page->Progress() >= 5) {
                seen.m_nProgressAsked = page->Progress();
                QTest::mouseClick(page->CancelButton(), Qt::LeftButton);
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                        question = box;
                if (question) seen.m_asked = question->text();
                held.start();
            } else if (question && seen.m_nProgressAnswered < 0 && held.elapsed() > holdMs) {
                seen.m_nProgressAnswered = page->Progress();
                seen.m_status = frame.StatusText();
                seen.m_line = page->LineText();
                seen.m_elapsed = page->ElapsedText();
                frame.Prompter().SetScripted(true);
                question->button(answer)->click();
            }
        });
        frame.Prompter().SetScripted(false);
        watch.start();
        ConnectTo("Slow unit", port);
        TypePassword("4321");
        AnswerWrite();
        frame.Action(kCmdWriteUnit)->trigger();
        watch.stop();
        return seen;
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
    AnswerWrite();
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

    // The verify left the configuration's modified mark as it was.
    EXPECT_FALSE(m_doc.IsModified());

    // Read it back: the same entry, picked from the book; nothing to save first.
    frame.Prompter().ClearShown();
    frame.Prompter().SetNextUnitModel({2, 0});
    ConnectTo("Bench unit", port);
    TypePassword("4321");
    frame.Action(kCmdReadUnit)->trigger();

    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(frame.Tree().ItemText(frame.Tree().RootItem()), "untitled System");
    EXPECT_EQ(InputArchNumbers(m_doc), written);
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    EXPECT_EQ(frame.StatusText(), "Read complete.");
}

TEST_F(UnitWindowTest, CancellingTheConnectionEndsTheCommandSilently) {
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 4, 0, 10);
    for (int command : {kCmdWriteUnit, kCmdReadUnit, kCmdSetTime}) {
        WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.reject(); });
        frame.Action(command)->trigger();
        EXPECT_EQ(frame.StatusText(), "Ready") << command;
        EXPECT_TRUE(frame.Prompter().ShownTexts().empty()) << command;
        EXPECT_FALSE(frame.State().m_bBusy);
        EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    }
}

// A unit on the network that takes the connection and never answers: the
// window shows it is connecting, lets no other unit command start, and its
// Cancel or Esc ends the connect well before the time-out, as the connection
// dialog's Cancel would have (nothing changed, nothing said, "Ready").
TEST_F(UnitWindowTest, CancelOrEscDuringAConnectToASilentUnitEndsItAndChangesNothing) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    std::vector<std::unique_ptr<QTcpSocket>> taken;
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = silent.nextPendingConnection()) taken.emplace_back(socket);
    });
    const std::string at = "127.0.0.1:" + std::to_string(silent.serverPort());
    AddressBook book;
    book.Put({"Silent unit", "tcp:" + at});
    book.Put({"Silent device server", "rfc2217:" + at + ":9600"});
    book.Save(*m_profile);

    CMainFrame& frame = NewFrame();
    OpenSite(frame, 4, 0, 10);
    const bool modified = m_doc.IsModified();
    const std::string title = m_doc.GetTitle();
    const std::vector<std::string> numbers = InputArchNumbers(m_doc);
    struct Case {
        const char* m_pszEntry;
        bool m_bEscape;
    };
    for (const Case& test :
         {Case{"Silent unit", false}, Case{"Silent unit", true},
          Case{"Silent device server", false}, Case{"Silent device server", true}}) {
        SCOPED_TRACE(std::string(test.m_pszEntry) + (test.m_bEscape ? " Esc" : " Cancel"));
        bool shown = false;
        bool otherStarted = false;
        QElapsedTimer connecting;
        QElapsedTimer cancelled;
        QTimer probe;
        probe.setSingleShot(true);
        probe.setInterval(50);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dlg = qobject_cast<ConnectionDlg*>(w); dlg && dlg->isVisible()) {
                    otherStarted = true;
                    dlg->reject();
                }
        });
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* page = dynamic_cast<CStatusForm*>(frame.CurrentPage());
            if (!page || page->LineText() != "Connecting to the unit . . .") return;
            if (!shown) {
                shown = true;
                connecting.start();
                // Esc is the window's shortcut: it goes to the active window.
                frame.activateWindow();
                // Another unit command asked for meanwhile does nothing: had
                // it started, its connection dialog would be open now.
                probe.start();
                UnitCommands(frame).SetUnitTime();
                UnitCommands(frame).ReadUnit();
                EXPECT_TRUE(frame.State().m_bBusy);
            } else if (!cancelled.isValid() && connecting.elapsed() > 300) {
                EXPECT_FALSE(frame.Action(kCmdReadUnit)->isEnabled());
                EXPECT_FALSE(frame.windowFlags().testFlag(Qt::WindowCloseButtonHint));
                EXPECT_TRUE(frame.isActiveWindow());
                cancelled.start();
                if (test.m_bEscape)
                    QTest::keyClick(page, Qt::Key_Escape);
                else
                    QTest::mouseClick(page->CancelButton(), Qt::LeftButton);
            }
        });
        watch.start();
        QElapsedTimer command;
        command.start();
        ConnectTo(test.m_pszEntry, "");
        frame.Action(kCmdReadUnit)->trigger();
        watch.stop();
        ASSERT_TRUE(shown);
        ASSERT_TRUE(cancelled.isValid());
        // The connect's own time-outs are 3 s for the reply and 5 s for the set-up.
        EXPECT_LT(cancelled.elapsed(), 1000);
        EXPECT_LT(command.elapsed(), 2500);
        EXPECT_FALSE(otherStarted);
        EXPECT_EQ(frame.StatusText(), "Ready");
        EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
        EXPECT_FALSE(frame.State().m_bBusy);
        EXPECT_FALSE(frame.State().m_bCancelRequested);
        EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
        EXPECT_TRUE(frame.Action(kCmdReadUnit)->isEnabled());
        EXPECT_EQ(m_doc.GetTitle(), title);
        EXPECT_EQ(m_doc.IsModified(), modified);
        EXPECT_EQ(InputArchNumbers(m_doc), numbers);
        EXPECT_FALSE(frame.windowFlags().testFlag(Qt::CustomizeWindowHint));
    }
}

// A new user's first try: the built-in unit keeps what is written to it in
// the user's data folder, and reads it back in a later run.
TEST_F(UnitWindowTest, TheDemonstrationUnitTakesAWriteAndGivesItBack) {
    {
        CMainFrame& frame = NewFrame();
        OpenSite(frame, 4, 1, 300);
        WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) {
            EXPECT_EQ(dlg.Units()->currentRow(), 0);
            dlg.ConnectButton()->click();
        });
        // The copy is not kept, but the unit is still checked and the question comes.
        QString countLine;
        WhenShown<DiffDialog>([&](DiffDialog& dlg) {
            countLine = dlg.findChild<QLabel*>("diffCount")->text();
            dlg.findChild<QPushButton*>("diffWrite")->click();
        });
        frame.Action(kCmdWriteUnit)->trigger();
        EXPECT_EQ(countLine,
                  "The unit holds no whole configuration (it is erased or partly written); "
                  "writing puts this configuration in it.");
        EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
        EXPECT_EQ(frame.StatusText(), "Write complete.");
        const std::string memory = UnitCommands(frame).Link().DemoMemoryPath();
        const std::string dataFolder = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/";
        EXPECT_EQ(memory.rfind(dataFolder, 0), 0u) << memory;
        EXPECT_EQ(Slurp(memory).size(), 65536u);
    }
    const std::vector<std::string> written = InputArchNumbers(m_doc);
    m_frames.clear();
    m_doc.SetModifiedFlag(false);
    CMainFrame& frame = NewFrame();
    frame.Prompter().SetNextUnitModel({1, 0});
    WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
    frame.Action(kCmdReadUnit)->trigger();
    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_EQ(InputArchNumbers(m_doc), written);
}

// Compare with Unit reads the unit beside the open configuration: no save
// or model question, and the configuration keeps its edits, its modified
// mark, its history and its page.
TEST_F(UnitWindowTest, CompareWithUnitLeavesTheOpenConfigurationAsItWas) {
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 4, 1, 300);
    WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
    AnswerWrite();
    frame.Action(kCmdWriteUnit)->trigger();
    ASSERT_EQ(frame.StatusText(), "Write complete.");
    const std::string written = std::to_string(m_doc.m_nIdleDelay);
    m_doc.m_nIdleDelay += 7;
    frame.State().m_history.Record(m_doc, "Change Idle Loop Delay", nullptr);
    const std::string before = EncodeZrt(m_doc);

    WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
    frame.Action(kCmdCompareUnit)->trigger();
    auto* shown = frame.findChild<DiffDialog*>();
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->isModal());
    const std::vector<QStringList> rows = DiffRows(*shown);
    shown->reject();
    EXPECT_EQ(rows,
              (std::vector<QStringList>{{"Idle loop delay", QString::number(m_doc.m_nIdleDelay),
                                         QString::fromStdString(written)}}));
    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    EXPECT_EQ(frame.StatusText(), "Unit read and compared; this configuration is unchanged.");
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetTitle(), "site.zrt");
    EXPECT_TRUE(frame.Action(kCmdEditUndo)->isEnabled());
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    EXPECT_FALSE(frame.State().m_bBusy);
}

// Cancel on the progress page, half-way through a write with Link Trace on:
// the unit leaves programming mode, the window is as after any transfer, and
// the trace shows the frames without the password.
TEST_F(UnitWindowTest, CancelStopsAWriteHalfWayAndTheTraceShowsItsEnd) {
    const std::string port = StartSim({"--password", "4321", "--baud", "115200"});
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 8, 2, 100);
    const Qt::WindowFlags flags = frame.windowFlags();
    const bool modified = m_doc.IsModified();
    frame.Action(kCmdLinkTrace)->trigger();
    EXPECT_TRUE(frame.Action(kCmdLinkTrace)->isChecked());
    EXPECT_EQ(m_profile->GetInt("userdata", "LinkTrace", 0), 1);

    int cancelledAt = -1;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* page = dynamic_cast<CStatusForm*>(frame.CurrentPage());
        if (cancelledAt >= 0 || !page || !frame.StatusText().startsWith("Writing") ||
            page->Progress() < 40)
            return;
        cancelledAt = page->Progress();
        QTest::mouseClick(page->CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(page->CancelButton()->isEnabled());
    });
    watch.start();
    ConnectTo("Bench unit", port);
    TypePassword("4321");
    AnswerWrite();
    frame.Action(kCmdWriteUnit)->trigger();
    watch.stop();

    ASSERT_GE(cancelledAt, 40);
    EXPECT_LT(cancelledAt, 100);
    // Asked first, and answered Yes: one message, and no verify read.
    const std::vector<std::string> shown = frame.Prompter().ShownTexts();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Stop writing? The unit will be left partly written.");
    int stoppedAt = -1;
    EXPECT_EQ(std::sscanf(shown[1].c_str(), "Write stopped at %d %%.", &stoppedAt), 1);
    EXPECT_GE(stoppedAt, cancelledAt);
    EXPECT_NE(shown[1].find(" %. The unit is partly written and will not work until a whole "
                            "configuration is written to it."),
              std::string::npos);
    EXPECT_EQ(frame.StatusText(), "Unit partly written.");
    EXPECT_FALSE(frame.State().m_bBusy);
    EXPECT_EQ(frame.windowFlags(), flags);
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    EXPECT_TRUE(frame.Action(kCmdFileNew)->isEnabled());
    EXPECT_EQ(m_doc.IsModified(), modified);
    EXPECT_FALSE(UnitCommands(frame).DetailsButton()->isVisible());

    const QStringList traces = QDir(UnitCommandGroup::TraceFolder()).entryList({"link-*.trace"});
    ASSERT_EQ(traces.size(), 1);
    const std::string trace =
        Slurp((UnitCommandGroup::TraceFolder() + "/" + traces.front()).toStdString());
    // CONNECT with the password masked, then programming mode entered.
    EXPECT_NE(trace.find("> 05 40 ** ** ** ** **\n"), std::string::npos) << trace;
    EXPECT_EQ(trace.find("34 33 32 31"), std::string::npos);
    EXPECT_NE(trace.find("> 02 41 01 9F\n"), std::string::npos);
    // After the last cell written: programming mode left, then BYE.
    const size_t lastWrite = trace.rfind("> 04 04 ");
    const size_t leave = trace.rfind("> 02 41 00 98\n");
    ASSERT_NE(lastWrite, std::string::npos);
    ASSERT_NE(leave, std::string::npos);
    EXPECT_LT(lastWrite, leave);
    EXPECT_NE(trace.find("> 01 42 ", leave), std::string::npos) << trace.substr(leave);

    // Link Trace stays on in the next run.
    m_frames.clear();
    EXPECT_TRUE(NewFrame().Action(kCmdLinkTrace)->isChecked());
}

// A unit with three worn cells: the status bar counts them and Details lists them.
TEST_F(UnitWindowTest, AFailedVerifyListsTheWornCellsInDetails) {
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 4, 1, 300);
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, frame.Prompter());
    std::vector<uint32_t> worn;
    for (uint32_t a = 0x100; a < image.size() && worn.size() < 3; a += 7)
        if (image[a] != 0xFF) worn.push_back(a);
    ASSERT_EQ(worn.size(), 3u);
    std::vector<std::string> args;
    for (uint32_t a : worn) args.insert(args.end(), {"--weak-cell", StrFormat("%X", a)});
    const std::string port = StartSim(args);
    frame.Action(kCmdVerifyWrite)->trigger();
    ConnectTo("Bench unit", port);
    AnswerWrite();
    frame.Action(kCmdWriteUnit)->trigger();

    EXPECT_EQ(frame.Prompter().ShownTexts(),
              std::vector<std::string>{
                  "Error, Write operation failed verification.  Please retry write."});
    EXPECT_EQ(frame.StatusText(), "Write verification failed.  3 cells differ.");
    QPushButton* details = UnitCommands(frame).DetailsButton();
    ASSERT_TRUE(details->isVisible());
    std::vector<std::vector<QString>> rows;
    WhenShown<VerifyDetailsDlg>([&rows](VerifyDetailsDlg& dlg) {
        QTableWidget* cells = dlg.Cells();
        for (int r = 0; r < cells->rowCount(); ++r)
            rows.push_back(
                {cells->item(r, 0)->text(), cells->item(r, 1)->text(), cells->item(r, 2)->text()});
        dlg.reject();
    });
    QTest::mouseClick(details, Qt::LeftButton);
    ASSERT_EQ(rows.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const uint8_t written = image[worn[i]];
        EXPECT_EQ(rows[i][0].toStdString(), StrFormat("0x%04X", worn[i]));
        EXPECT_EQ(rows[i][1].toStdString(), StrFormat("0x%02X", written));
        EXPECT_EQ(rows[i][2].toStdString(), StrFormat("0x%02X", static_cast<uint8_t>(~written)));
    }

    // A toolbar button's hint passes over the result; another configuration ends it.
    QStatusTipEvent hint(frame.Action(kCmdFileOpen)->statusTip());
    QApplication::sendEvent(&frame, &hint);
    QStatusTipEvent hintGone{QString()};
    QApplication::sendEvent(&frame, &hintGone);
    EXPECT_EQ(frame.StatusText(), "Write verification failed.  3 cells differ.");
    EXPECT_TRUE(details->isVisible());
    OpenSite(frame, 4, 1, 300);
    frame.UpdateCommands();
    EXPECT_EQ(frame.StatusText(), "Ready");
    EXPECT_FALSE(details->isVisible());

    // The next write starts without the old list.
    frame.Action(kCmdVerifyWrite)->trigger();
    ConnectTo("Bench unit", port);
    AnswerWrite();
    frame.Action(kCmdWriteUnit)->trigger();
    EXPECT_FALSE(details->isVisible());
}

}  // namespace

// On a slow line the write goes on while "Stop writing?" is open, longer than
// the reply time-out: nothing times out, and No lets the write end whole.
TEST_F(UnitWindowTest, TheWriteGoesOnWhileStopIsAskedAndNoLetsItEnd) {
    const std::string port = StartSim({"--password", "4321", "--baud", "9600"});
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 8, 2, 100);
    const StopAsked seen = WriteAndAnswerStop(frame, port, 3000, QMessageBox::No);

    EXPECT_EQ(seen.m_asked, "Stop writing? The unit will be left partly written.");
    // The write went on under the question.
    EXPECT_GT(seen.m_nProgressAnswered, seen.m_nProgressAsked);
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{});
    EXPECT_EQ(frame.StatusText(), "Write complete.");
    EXPECT_FALSE(frame.State().m_bUnitPartlyWritten);
    EXPECT_FALSE(frame.State().m_bBusy);
}

// On a slow line the stop question is a box of its own over the running
// write, and the progress page keeps timing the write. Yes stops it with one
// message and no verify read, and the unit is said to be partly written.
TEST_F(UnitWindowTest, YesToTheStopQuestionEndsTheWriteWithOneMessageAndNoVerify) {
    const std::string port = StartSim({"--password", "4321", "--baud", "9600"});
    CMainFrame& frame = NewFrame();
    OpenSite(frame, 8, 2, 100);
    frame.Action(kCmdVerifyWrite)->trigger();
    frame.Action(kCmdLinkTrace)->trigger();
    const StopAsked seen = WriteAndAnswerStop(frame, port, 2500, QMessageBox::Yes);

    EXPECT_EQ(seen.m_asked, "Stop writing? The unit will be left partly written.");
    EXPECT_GT(seen.m_nProgressAnswered, seen.m_nProgressAsked);
    // The page shows the status bar's line, with the time left, and the time elapsed.
    EXPECT_EQ(seen.m_line, seen.m_status);
    EXPECT_TRUE(QRegularExpression("^Writing\\.\\.\\.   \\d\\d%   \\d+:\\d\\d left$")
                    .match(seen.m_line)
                    .hasMatch())
        << seen.m_line.toStdString();
    const QRegularExpressionMatch elapsed =
        QRegularExpression("^(\\d+):(\\d\\d) elapsed$").match(seen.m_elapsed);
    ASSERT_TRUE(elapsed.hasMatch()) << seen.m_elapsed.toStdString();
    EXPECT_GE(elapsed.captured(1).toInt() * 60 + elapsed.captured(2).toInt(), 2);

    const std::vector<std::string> shown = frame.Prompter().ShownTexts();
    ASSERT_EQ(shown.size(), 1u);
    int stoppedAt = -1;
    EXPECT_EQ(std::sscanf(shown[0].c_str(), "Write stopped at %d %%.", &stoppedAt), 1);
    EXPECT_GE(stoppedAt, seen.m_nProgressAnswered);
    EXPECT_EQ(shown[0], StrFormat("Write stopped at %d %%. The unit is partly written and will "
                                  "not work until a whole configuration is written to it.",
                                  stoppedAt));
    EXPECT_EQ(frame.StatusText(), "Unit partly written.");
    EXPECT_TRUE(frame.State().m_bUnitPartlyWritten);
    EXPECT_FALSE(frame.State().m_bBusy);

    // Not one block was read back.
    const QStringList traces = QDir(UnitCommandGroup::TraceFolder()).entryList({"link-*.trace"});
    ASSERT_EQ(traces.size(), 1);
    const std::string trace =
        Slurp((UnitCommandGroup::TraceFolder() + "/" + traces.front()).toStdString());
    // (The one block read before the erase is the settings block, checked.)
    EXPECT_NE(trace.find("> 04 04 "), std::string::npos);
    EXPECT_EQ(trace.find("> 03 05 ", trace.rfind("> 04 04 ")), std::string::npos);
}

// A kept copy opens from the history window as a read would: the save
// question, no model question (the copy's own model is taken), then an
// untitled configuration, modified, with nothing to undo.
TEST_F(UnitWindowTest, TheHistoryWindowOpensAKeptCopyAsAnUntitledConfiguration) {
    CMainFrame& frame = NewFrame();
    {
        CZRTProDoc lobby;
        MemoryTree tree;
        BuildNumbered(lobby, tree, 4, 1, 500);
        lobby.m_nPagingSystem = 2;
        lobby.m_nDialDigits = 3;
        std::vector<uint8_t> image = BuildUnitImage(lobby, frame.Prompter());
        image[0xFFFD] = 0x5A;
        UnitHistoryEntry entry;
        entry.m_strKind = "read";
        entry.m_strConnection = "Lobby unit";
        entry.m_strModel = "M-4400";
        entry.m_nCameraUnits = 1;
        entry.m_nInputs = 27;
        std::string reason;
        ASSERT_TRUE(UnitHistory(frame.State().m_strHistoryFolder).Keep(entry, image, reason))
            << reason;
    }
    OpenSite(frame, 8, 2, 100);
    int input = 3;
    while (!m_doc.IsInput(input)) ++input;
    m_doc.m_nodes[static_cast<size_t>(input)].m_strName = "Changed";
    m_doc.SetModifiedFlag(true);
    frame.State().m_history.Record(m_doc, "Rename",
                                   m_doc.m_nodes[static_cast<size_t>(input)].m_hItem);
    frame.UpdateCommands();
    ASSERT_TRUE(frame.Action(kCmdEditUndo)->isEnabled());

    frame.Prompter().SetScripted(false);
    frame.Prompter().SetNextAnswer(PromptAnswer::No);  // not saved
    bool closed = false;
    QString held;
    WhenShown<UnitHistoryDlg>([&](UnitHistoryDlg& dlg) {
        ASSERT_EQ(dlg.List()->topLevelItemCount(), 1);
        held = dlg.List()->topLevelItem(0)->text(3);
        dlg.List()->setCurrentItem(dlg.List()->topLevelItem(0));
        dlg.Button("historyOpen")->click();
        closed = !dlg.isVisible();
    });
    frame.Action(kCmdUnitHistory)->trigger();
    frame.Prompter().SetScripted(true);

    EXPECT_EQ(held, "M-4400, 1 camera interface units, 27 inputs");
    EXPECT_TRUE(closed);
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to site.zrt?"});
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_nPortCount, 4);
    const std::vector<std::string> numbers = InputArchNumbers(m_doc);
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.front(), "501");
    EXPECT_FALSE(frame.Action(kCmdEditUndo)->isEnabled());
    EXPECT_TRUE(frame.windowTitle().contains("untitled")) << frame.windowTitle().toStdString();
    // The window has the keys again: no click is needed before they act.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
}

// With the copy kept: the write asks "Write to Unit" with what it changes
// (Cancel the default), the history window lists the copy, compares it, opens
// it as the configuration and restores it.
TEST_F(UnitWindowTest, AWriteKeepsTheUnitAndTheHistoryWindowWorksWithIt) {
    const std::string port = StartSim({"--password", "4321", "--baud", "115200"});
    CMainFrame& frame = NewFrame();
    frame.Action(kCmdKeepBeforeWrite)->trigger();
    EXPECT_TRUE(frame.Action(kCmdKeepBeforeWrite)->isChecked());
    EXPECT_EQ(m_profile->GetInt("userdata", "KeepBeforeWrite", 0), 1);
    OpenSite(frame, 8, 2, 100);

    // An erased unit first: the count line says so, and Cancel is the default.
    QString countLine;
    bool cancelDefault = false;
    WhenShown<DiffDialog>([&](DiffDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Write to Unit");
        countLine = dlg.findChild<QLabel*>("diffCount")->text();
        auto* box = dlg.findChild<QDialogButtonBox*>();
        cancelDefault = box->button(QDialogButtonBox::Cancel)->isDefault();
        dlg.findChild<QPushButton*>("diffWrite")->click();
    });
    ConnectTo("Bench unit", port);
    TypePassword("4321");
    frame.Action(kCmdWriteUnit)->trigger();
    EXPECT_EQ(countLine, "The unit is erased; writing puts this configuration in it.");
    EXPECT_TRUE(cancelDefault);
    EXPECT_EQ(frame.StatusText(), "Write complete.");

    // One name changed: one difference; Cancel stops before anything is erased.
    int input = 3;
    while (!m_doc.IsInput(input)) ++input;
    m_doc.m_nodes[static_cast<size_t>(input)].m_strName = "Changed";
    const std::string before = Slurp(PathOf("unit.bin"));
    WhenShown<DiffDialog>([&](DiffDialog& dlg) {
        countLine = dlg.findChild<QLabel*>("diffCount")->text();
        EXPECT_EQ(dlg.Table()->rowCount(), 1);
        dlg.reject();
    });
    ConnectTo("Bench unit", port);
    TypePassword("4321");
    frame.Action(kCmdWriteUnit)->trigger();
    EXPECT_EQ(countLine, "1 difference between the unit and this configuration.");
    EXPECT_EQ(frame.StatusText(),
              "Write stopped before anything was erased; the unit is unchanged.");
    EXPECT_EQ(Slurp(PathOf("unit.bin")), before);

    // The history: newest first, compared (one difference), then restored.
    int listed = 0;
    int compared = -1;
    WhenShown<UnitHistoryDlg>([&](UnitHistoryDlg& dlg) {
        listed = dlg.List()->topLevelItemCount();
        EXPECT_EQ(dlg.List()->topLevelItem(0)->text(1), "before write");
        EXPECT_EQ(dlg.List()->topLevelItem(1)->text(3), "erased");
        EXPECT_EQ(dlg.List()->topLevelItem(1)->text(4), "site.zrt");
        WhenShown<DiffDialog>([&](DiffDialog& diff) {
            compared = diff.Table()->rowCount();
            diff.reject();
        });
        dlg.Button("historyCompare")->click();
        // Restore the erased unit's copy: the confirmation lists everything
        // the restore takes away, and the unit ends erased again.
        dlg.List()->setCurrentItem(dlg.List()->topLevelItem(1));
        WhenShown<DiffDialog>([&](DiffDialog& diff) {
            EXPECT_EQ(diff.windowTitle(), "Write to Unit");
            // The column of what is written is the copy's, and the unit keeps its password.
            EXPECT_EQ(diff.Table()->horizontalHeaderItem(1)->text(), "The copy");
            EXPECT_EQ(diff.findChild<QLabel*>("writeNote0")->text(),
                      "The unit keeps its present password: a unit never discloses its "
                      "password, so no copy holds it.");
            diff.findChild<QPushButton*>("diffWrite")->click();
        });
        ConnectTo("Bench unit", port);
        TypePassword("4321");
        dlg.Button("historyRestore")->click();
    });
    frame.Action(kCmdUnitHistory)->trigger();
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(compared, 1);
    EXPECT_EQ(frame.StatusText(), "Restore complete.");
    std::string erased = Slurp(PathOf("unit.bin"));
    EXPECT_EQ(erased.substr(0, 0xFFD0), std::string(0xFFD0, '\xFF'));
}
