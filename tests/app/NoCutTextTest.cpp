#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "import/widgets/CUnitModelDlg.h"
#include "lang/ProgramLanguage.h"
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
