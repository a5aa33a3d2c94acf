#include <gtest/gtest.h>

#include "pages/SettingsOps.h"
#include "support/Configs.h"

TEST(SettingsOps, PriorityRadioShowsEqualForAnyOtherValue) {
    CZRTProDoc doc;
    for (const auto& [priority, radio] : {std::pair{1, 1}, {2, 2}, {3, 3}, {0, 3}, {7, 3}}) {
        doc.m_nPriority = static_cast<int16_t>(priority);
        EXPECT_EQ(PriorityRadio(doc), radio);
    }
    EXPECT_FALSE(doc.IsModified());
}

TEST(SettingsOps, MoveAdministratorNumbers) {
    CZRTProDoc doc;
    doc.m_adminArch = {101, 102, 103, 104};
    ScriptedPrompter prompter;
    EXPECT_EQ(MoveAdmin(doc, prompter, 1, true), 0);
    EXPECT_EQ(doc.m_adminArch, (std::array<int32_t, 4>{102, 101, 103, 104}));
    EXPECT_EQ(AdminLines(doc), (std::vector<std::string>{"102", "101", "103", "104"}));
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    EXPECT_EQ(MoveAdmin(doc, prompter, 0, true), 0);
    EXPECT_EQ(MoveAdmin(doc, prompter, 3, false), 3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(MoveAdmin(doc, prompter, -1, false), -1);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Please select an Administrator number."});
    EXPECT_EQ(doc.m_adminArch, (std::array<int32_t, 4>{102, 101, 103, 104}));
}

TEST(SettingsOps, OnlyLunettaConfigurationsReorderAdministrators) {
    CZRTProDoc doc;
    for (int system : {kPagingQuillon, kPagingM7700, 0}) {
        doc.m_nPagingSystem = system;
        EXPECT_FALSE(IsAdminMappingEditable(doc));
    }
    doc.m_nPagingSystem = kPagingLunetta;
    EXPECT_TRUE(IsAdminMappingEditable(doc));
}

TEST(SettingsOps, TimeRefreshBits) {
    CZRTProDoc doc;
    doc.m_byTimeRefresh = 0x82;
    SetTimeRefresh(doc, kTimeRefreshPc, true);
    EXPECT_EQ(doc.m_byTimeRefresh, 0x83);
    SetTimeRefresh(doc, kTimeRefreshSmdr, false);
    EXPECT_EQ(doc.m_byTimeRefresh, 0x81);
}

TEST(SettingsOps, AcceptedPasswordWaitsForTheNextWrite) {
    MainState state;
    AcceptPassword(state, "");
    EXPECT_TRUE(state.m_bPasswordPending);
    EXPECT_EQ(state.m_strPendingPassword, "");
    AcceptPassword(state, "secret12");
    EXPECT_EQ(state.m_strPendingPassword, "secret12");
}
