#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "import/ValidatePage.h"
#include "import/WizardAnswers.h"
#include "import/WizardControls.h"
#include "import/widgets/CSetupWizardDlg.h"
#include "import/widgets/CUnitModelDlg.h"
#include "lang/ProgramLanguage.h"
#include "lang/ShownText.h"
#include "model/CommandIds.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "pages/widgets/ArchEntryDlg.h"
#include "support/CutTexts.h"
#include "unit/TransferPace.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"
#include "unit/widgets/CStatusForm.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/FindCableDlg.h"
#include "unit/widgets/ModemDlg.h"
#include "unit/widgets/PasswordDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"
#include "unit/widgets/UnitWidgetMessages.h"
#include "unit/widgets/VerifyDetailsDlg.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::vector<SerialPortEntry> TwoPorts() {
    return {{"ttyS0", "", "", -1, -1}, {"ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001}};
}

// The texts of `dialog` cut as it is now, shown; "" when none.
std::string CutIn(QWidget& dialog) {
    if (!dialog.isVisible()) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return "not shown";
    }
    QTest::qWait(20);
    return Joined(CutTexts(dialog));
}

}  // namespace

// Every page of the window shows its texts whole, in English and in the
// pseudo-language (every translated text 40 % longer, with accents).
TEST_F(AppTest, NoPageCutsItsTexts) {
    for (const char* language : {"en", "en-XA", "de"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        for (PageKind kind : {PageKind::testview, PageKind::CSettingsForm, PageKind::CIdleLoopForm,
                              PageKind::CZRTForm, PageKind::CInfoForm, PageKind::CUnusedArchForm,
                              PageKind::CStatusForm}) {
            frame.ShowPage(kind, nullptr);
            QTest::qWait(20);
            EXPECT_EQ(Joined(CutTexts(frame)), "")
                << language << " page " << static_cast<int>(kind);
        }
        m_frames.clear();
    }
}

// The dialogs at the size they open with show their texts whole.
TEST_F(AppTest, NoDialogCutsItsTexts) {
    for (const char* language : {"en", "en-XA", "de"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<AboutDlg>(&frame));
        dialogs.push_back(std::make_unique<CUnitModelDlg>(frame.Prompter(), true, &frame));
        dialogs.push_back(std::make_unique<PasswordDlg>(&frame));
        for (const auto& dialog : dialogs) {
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
            EXPECT_EQ(Joined(CutTexts(*dialog)), "")
                << language << " " << dialog->metaObject()->className();
            dialog->hide();
        }
        dialogs.clear();
        m_frames.clear();
    }
}

// The question offering work kept from before a crash names its buttons in the
// person's language and shows every text whole.
TEST_F(AppTest, NoAppQuestionCutsItsTexts) {
    struct Case {
        const char* language;
        const char* recover;
        const char* discard;
    };
    const Case cases[] = {
        {"en", "&Recover", "&Discard"},
        {"de", "&Wiederherstellen", "&Verwerfen"},
        {"en-XA", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        ProgramLanguage speaks({c.language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        QtPrompter prompter(&frame, *m_profile);
        QStringList buttons;
        std::vector<std::string> cut;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            look.stop();
            for (QAbstractButton* button : box->buttons()) buttons << button->text();
            cut = CutTexts(*box);
            box->escapeButton()->click();
        });
        look.start(20);
        const PromptAnswer answer =
            prompter.Message("Recover the unsaved changes to plant.zrt from 12/11/26 10:15?",
                             PromptButtons::RecoverDiscard, PromptIcon::Question);
        EXPECT_EQ(answer, PromptAnswer::Yes) << c.language;  // Esc keeps the work
        ASSERT_EQ(buttons.size(), 2) << c.language;
        if (c.recover) {
            EXPECT_TRUE(buttons.contains(QString::fromUtf8(c.recover))) << c.language;
            EXPECT_TRUE(buttons.contains(QString::fromUtf8(c.discard))) << c.language;
        }
        EXPECT_EQ(Joined(cut), "") << c.language;
        m_frames.clear();
    }
}

// The unit's dialogs, in each of the states that change their texts, and the
// progress page with a transfer's longest line, show their texts whole.
TEST_F(AppTest, NoUnitDialogCutsItsTexts) {
    UnitHistory history(PathOf("history"));
    std::string reason;
    UnitHistoryEntry kept;
    kept.m_strKind = UnitMessages::kKindBeforeRestore;
    kept.m_strConnection = UnitWidgetMessages::kDemonstrationConnection;
    kept.m_strSite = "Lobby";
    ASSERT_TRUE(history.Keep(kept, std::vector<uint8_t>(65536, 0xFF), reason)) << reason;
    MainState differing;
    differing.m_nVerifyDifferences = 40;
    differing.m_verifyDifferences = {{0x0100, 0x12, 0x13}, {0x0200, 0x00, 0xFF}};
    for (const char* language : {"en", "en-XA", "de"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        {
            ConnectionDlg dlg(*m_profile, &frame, TwoPorts);
            EXPECT_EQ(CutIn(dlg), "") << language << " connection, demonstration unit";
            dlg.NewButton()->click();
            for (int via = 0; via < dlg.ViaBox()->count(); ++via) {
                dlg.ViaBox()->setCurrentIndex(via);
                EXPECT_EQ(CutIn(dlg), "") << language << " connection, via " << via;
            }
            dlg.ViaBox()->setCurrentIndex(0);
            dlg.PortBox()->setCurrentText("");
            dlg.ConnectButton()->click();
            ASSERT_FALSE(dlg.ProblemLabel()->text().isEmpty()) << language;
            EXPECT_EQ(CutIn(dlg), "") << language << " connection, a problem";
        }
        {
            FindCableDlg dlg(TwoPorts, &frame);
            EXPECT_EQ(CutIn(dlg), "") << language << " find my cable, unplug";
            dlg.NextButton()->click();
            EXPECT_EQ(CutIn(dlg), "") << language << " find my cable, plug";
        }
        {
            ModemDlg dlg(&frame);
            EXPECT_EQ(CutIn(dlg), "") << language << " remote modem";
        }
        {
            PasswordDlg dlg(&frame);
            EXPECT_EQ(CutIn(dlg), "") << language << " password";
        }
        {
            VerifyDetailsDlg dlg(differing, &frame);
            EXPECT_EQ(CutIn(dlg), "") << language << " verify details";
        }
        {
            UnitHistoryDlg dlg(history, {}, &frame);
            EXPECT_EQ(CutIn(dlg), "") << language << " unit history";
        }
        frame.resize(1000, 700);
        frame.ShowPage(PageKind::CStatusForm, nullptr);
        auto* progress = dynamic_cast<CStatusForm*>(frame.CurrentPage());
        ASSERT_NE(progress, nullptr);
        const std::string line =
            LineWithTimeLeft(StrFormat(Tr("Unit", UnitMessages::kKeeping).c_str(), 45),
                             std::chrono::seconds(3725), 45, 100);
        progress->SetTransferLine(ShownText(line),
                                  ShownText(ElapsedText(std::chrono::seconds(3725))));
        EXPECT_EQ(CutIn(frame), "") << language << " progress page";
        // The line wraps: the page does not grow past the window and take
        // Cancel out of sight.
        const auto* cancel = progress->findChild<QPushButton*>("cancel");
        ASSERT_NE(cancel, nullptr);
        EXPECT_LE(cancel->mapTo(&frame, QPoint(cancel->width(), 0)).x(), frame.width())
            << language << " Cancel out of sight";
        m_frames.clear();
    }
}

// The walk finds what a person would see cut, and only that.
TEST(CutTextsTest, FindsTextsWiderThanTheirWidgets) {
    QWidget window;
    window.resize(600, 400);
    const QString longText = QStringLiteral("Number of EM-4500 Video Camera Interface Units: 2");
    auto* cut = new QLabel(longText, &window);
    cut->setGeometry(0, 0, 60, 20);
    auto* whole = new QLabel(QStringLiteral("System:"), &window);
    whole->setGeometry(0, 30, 200, 20);
    auto* wrapped = new QLabel(longText, &window);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(0, 60, 150, wrapped->heightForWidth(150));
    auto* tooLow = new QLabel(longText + QStringLiteral(" ") + longText, &window);
    tooLow->setWordWrap(true);
    tooLow->setGeometry(0, 150, 150, 20);
    auto* narrowButton = new QPushButton(QStringLiteral("Export Report as P&DF..."), &window);
    narrowButton->setGeometry(0, 200, 50, 30);
    auto* check = new QCheckBox(QStringLiteral("M-7700X Installed?"), &window);
    check->setGeometry(0, 240, 40, 20);
    auto* keyed = new QLabel(QStringLiteral("&Speed:"), &window);
    keyed->setBuddy(check);
    keyed->setGeometry(300, 0, keyed->sizeHint().width(), 20);
    auto* hidden = new QLabel(longText, &window);
    hidden->setGeometry(0, 280, 10, 20);
    hidden->hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const std::vector<std::string> found = CutTexts(window);
    const std::string all = Joined(found);
    ASSERT_EQ(found.size(), 4u) << all;
    EXPECT_EQ(found[0].rfind("QLabel 'Number of", 0), 0u) << all;
    EXPECT_NE(all.find("has 20"), std::string::npos) << all;  // the wrapped label too low
    EXPECT_NE(all.find("QPushButton 'Export Report as PDF...'"), std::string::npos) << all;
    EXPECT_NE(all.find("QCheckBox 'M-7700X Installed?'"), std::string::npos) << all;
}

// The New wizard in each of its layouts, the differences (also once out of
// date), the Arch Number entry dialog and the find bar show their texts whole.
TEST_F(AppTest, NoEditingDialogCutsItsTexts) {
    namespace WC = WizardControl;
    const std::string site = WriteConfig("site.zrt", 4, 1, 10);
    // The other file differs in a name and in a number of a camera interface unit.
    CZRTProDoc otherDoc;
    MemoryTree otherTree;
    BuildNumbered(otherDoc, otherTree, 4, 1, 10);
    otherDoc.m_nodes[static_cast<size_t>(NodeLabelled(otherDoc, "Input 2"))].m_strName = "Lobby";
    otherDoc.m_nodes[static_cast<size_t>(NodeLabelled(otherDoc, "exp 1, inp 3"))].m_strArch =
        "9999";
    const std::string other = PathOf("other.zrt");
    std::ofstream(other, std::ios::binary) << EncodeZrt(otherDoc);
    for (const char* language : {"en", "en-XA", "de"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(site)));

        {
            CSetupWizardDlg wizard(frame.Prompter(), &frame);
            wizard.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&wizard));
            const auto click = [&wizard](int id) {
                static_cast<QRadioButton*>(wizard.Control(id))->click();
            };
            const std::vector<std::pair<const char*, std::function<void()>>> layouts = {
                {"file names", [] {}},
                {"paging file",
                 [&] {
                     static_cast<QLineEdit*>(wizard.Control(WC::kPagingFile))->setText("x.mdb");
                 }},
                {"Quillon",
                 [&] {
                     static_cast<QLineEdit*>(wizard.Control(WC::kPagingFile))->clear();
                     click(WC::kSpecifyConfiguration);
                     click(WC::kQuillon);
                 }},
                {"Lunetta", [&] { click(WC::kLunetta); }},
                {"M-7700", [&] { click(WC::kM7700); }},
            };
            for (const auto& [name, lay] : layouts) {
                lay();
                QTest::qWait(20);
                EXPECT_EQ(Joined(CutTexts(wizard)), "") << language << " New wizard, " << name;
            }
            wizard.hide();
        }

        {
            ArchEntryDlg entry("101", "Lobby", true, &frame);
            entry.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&entry));
            EXPECT_EQ(Joined(CutTexts(entry)), "") << language << " Arch Number entry";
            entry.hide();
        }

        frame.Prompter().SetNextFile(QString::fromStdString(other));
        frame.Action(kCmdCompareFile)->trigger();
        auto* differences = frame.findChild<DiffDialog*>();
        ASSERT_TRUE(differences);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(differences));
        EXPECT_EQ(Joined(CutTexts(*differences)), "") << language << " differences";
        differences->ShowOutOfDate(
            QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kDiffOutOfDate),
            QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kCompareAgain));
        QTest::qWait(20);
        EXPECT_EQ(Joined(CutTexts(*differences)), "") << language << " differences out of date";
        differences->close();

        frame.Action(kCmdEditFind)->trigger();
        auto* findText = frame.findChild<QLineEdit*>("findText");
        ASSERT_TRUE(findText);
        for (const char* typed : {"1", "1x"}) {
            findText->setText(typed);
            QTest::qWait(20);
            EXPECT_EQ(Joined(CutTexts(frame)), "") << language << " find bar, typed " << typed;
        }
        m_frames.clear();
    }
}

// The editing words come in the person's language: a page, the New wizard
// and an import rule; English stays as it was.
TEST_F(AppTest, EditingTextsFollowTheLanguage) {
    namespace WC = WizardControl;
    struct Case {
        const char* what;
        std::function<QString(CMainFrame&)> shown;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"wizard title",
         [](CMainFrame& frame) { return CSetupWizardDlg(frame.Prompter(), &frame).windowTitle(); },
         "NEXIL Video Switcher Programming Tool Setup",
         "NEXIL Programmierwerkzeug f\u00fcr Videoumschalter \u2013 Einrichtung"},
        {"wizard heading",
         [](CMainFrame& frame) {
             CSetupWizardDlg wizard(frame.Prompter(), &frame);
             return static_cast<QLabel*>(wizard.Control(WC::kTitle))->text();
         },
         "M-4400 Configuration Wizard", "M-4400-Konfigurationsassistent"},
        {"wizard rule",
         [](CMainFrame&) {
             WizardEntries entries;
             entries.m_bSpecifyFilename = false;
             WizardAnswers answers;
             return QString::fromStdString(ValidatePage(entries, answers).m_strMessage);
         },
         "Please select an input method.", "Bitte w\u00e4hlen Sie eine Eingabeart."},
        {"settings page",
         [](CMainFrame& frame) {
             frame.ShowPage(PageKind::CSettingsForm, nullptr);
             return frame.RightPane()->findChild<QGroupBox*>()->title();
         },
         "Priority", "Vorrang"},
        {"tree", [](CMainFrame& frame) { return frame.Tree().topLevelItem(0)->child(0)->text(0); },
         "Settings", "Einstellungen"},
        // The configuration keeps its labels in English: they are data (show --json).
        {"kept label",
         [](CMainFrame& frame) {
             return QString::fromStdString(frame.Doc().m_nodes[1].m_strLabel);
         },
         "Settings", "Settings"},
        {"Arch Number entry",
         [](CMainFrame& frame) { return ArchEntryDlg("101", "", true, &frame).windowTitle(); },
         "Enter New Arch Number or Name", "Neue Arch Number oder neuen Namen eingeben"},
    };
    const std::string site = WriteConfig("site.zrt", 4, 0, 10);
    for (const char* language : {"en", "de"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(site)));
        for (const Case& c : cases)
            EXPECT_EQ(c.shown(frame).toStdString(),
                      QString::fromUtf8(std::string(language) == "en" ? c.english : c.german)
                          .toStdString())
                << language << " " << c.what;
        m_frames.clear();
    }
}
