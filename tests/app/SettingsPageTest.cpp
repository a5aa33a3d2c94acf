#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/PageFixture.h"
#include "pages/widgets/CSettingsForm.h"

namespace {

class SettingsPageTest : public PageTest {
protected:
    void Open(int32_t pagingSystem) {
        CMainFrame& frame = OpenSite([&](CZRTProDoc& doc) {
            doc.m_nPagingSystem = pagingSystem;
            doc.m_adminArch = {101, 102, 103, 104};
            doc.m_nPriority = 0;
            doc.m_byTimeRefresh = 2;
        });
        m_pFrame = &frame;
        m_pPage = Show<CSettingsForm>(frame, "Settings");
        ASSERT_NE(m_pPage, nullptr);
        m_pAdmin = m_pPage->findChild<QListWidget*>("adminList");
    }
    void Click(const char* name) {
        QTest::mouseClick(m_pPage->findChild<QAbstractButton*>(name), Qt::LeftButton);
    }

    CMainFrame* m_pFrame = nullptr;
    CSettingsForm* m_pPage = nullptr;
    QListWidget* m_pAdmin = nullptr;
};

}  // namespace

TEST_F(SettingsPageTest, EveryControlWritesItsSetting) {
    Open(kPagingLunetta);
    EXPECT_TRUE(m_pPage->findChild<QRadioButton*>("priority3")->isChecked());
    EXPECT_EQ(m_doc.m_nPriority, 0) << "shown as equal, unchanged until a radio is clicked";
    Click("priority2");
    EXPECT_EQ(m_doc.m_nPriority, 2);
    EXPECT_TRUE(m_doc.IsModified());

    EXPECT_EQ(Lines(m_pAdmin), (QStringList{"101", "102", "103", "104"}));
    ClickLine(m_pAdmin, 1);
    Click("moveUp");
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{102, 101, 103, 104}));
    EXPECT_EQ(Lines(m_pAdmin), (QStringList{"102", "101", "103", "104"}));
    EXPECT_EQ(m_pAdmin->currentRow(), 0);
    // As saved: a move that moves nothing leaves the mark as it is.
    m_pFrame->State().m_history.MarkSaved();
    m_doc.SetModifiedFlag(false);
    Click("moveUp");
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{102, 101, 103, 104}));
    EXPECT_FALSE(m_doc.IsModified());
    ClickLine(m_pAdmin, 3);
    Click("moveDown");
    EXPECT_FALSE(m_doc.IsModified());

    Click("timeFromPc");
    EXPECT_EQ(m_doc.m_byTimeRefresh, 3);
    Click("timeFromSmdr");
    EXPECT_EQ(m_doc.m_byTimeRefresh, 1);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SettingsPageTest, AcceptedPasswordWaitsForTheNextWrite) {
    Open(kPagingLunetta);
    auto* password = m_pPage->findChild<QLineEdit*>("password");
    QTest::keyClicks(password, "secret12345");
    EXPECT_EQ(password->text(), "secret12");
    Click("accept");
    EXPECT_EQ(m_pFrame->Pages().m_main.m_strPendingPassword, "secret12");
    EXPECT_TRUE(m_pFrame->Pages().m_main.m_bPasswordPending);
    EXPECT_FALSE(m_doc.IsModified());
    // A fresh page starts empty, even with a password waiting.
    Show<CBaseForm>(*m_pFrame, "Idle Loop");
    m_pPage = Show<CSettingsForm>(*m_pFrame, "Settings");
    ASSERT_NE(m_pPage, nullptr);
    EXPECT_TRUE(m_pPage->findChild<QLineEdit*>("password")->text().isEmpty());
}

TEST_F(SettingsPageTest, AdminMappingIsOnlyForLunetta) {
    Open(0);
    EXPECT_FALSE(m_pAdmin->isEnabled());
    EXPECT_FALSE(m_pPage->findChild<QPushButton*>("moveUp")->isEnabled());
    EXPECT_FALSE(m_pPage->findChild<QPushButton*>("moveDown")->isEnabled());
    EXPECT_EQ(m_pPage->findChild<QLabel*>("adminHint")->text(),
              "This feature is only available with Lunetta.");
}

TEST_F(SettingsPageTest, MoveWithoutASelectionAsksForOne) {
    Open(kPagingLunetta);
    m_pFrame->Prompter().ClearShown();
    Click("moveDown");
    EXPECT_EQ(m_pFrame->Prompter().ShownTexts(),
              (std::vector<std::string>{"Please select an Administrator number."}));
    EXPECT_FALSE(m_doc.IsModified());
}
