#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "import/widgets/CUnitModelDlg.h"
#include "lang/ProgramLanguage.h"
#include "lang/ShownText.h"
#include "model/Format.h"
#include "model/Translate.h"
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
