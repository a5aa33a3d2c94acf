#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
#include "model/CommandIds.h"
#include "pages/widgets/ArchEntryDlg.h"
#include "support/CutTexts.h"
#include "unit/widgets/PasswordDlg.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
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
         "NEXIL Videoumschalter-Programmierwerkzeug \u2013 Einrichtung"},
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
