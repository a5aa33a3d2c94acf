#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
#include "pages/ArchPageState.h"
#include "support/Configs.h"
#include "tree/ArchRules.h"

namespace {

class ArchPageStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildFromRecords(m_doc, m_tree, {{0, "21", PadName("Hall")}, {1, "22", PadName("Gym")}}, 4,
                         0);
    }
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
};

}  // namespace

TEST_F(ArchPageStateTest, LoadShowsTheNumberOfTheSelectedInput) {
    const int hall = NodeLabelled(m_doc, "Input 1");
    ASSERT_GE(hall, 3);
    EXPECT_EQ(CurrentArchOnLoad(m_doc, m_doc.m_nodes[hall].m_hItem, m_prompter), "21");
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST_F(ArchPageStateTest, LoadOnAnItemThatIsNoInputSaysSo) {
    // The fixed nodes are no inputs, and neither is an item the tree never had.
    for (TreeItem item : {m_doc.m_nodes[0].m_hItem, m_doc.m_nodes[2].m_hItem, TreeItem{}}) {
        m_prompter.m_shown.clear();
        EXPECT_EQ(CurrentArchOnLoad(m_doc, item, m_prompter), std::nullopt);
        ASSERT_EQ(m_prompter.m_shown.size(), 1u);
        EXPECT_EQ(m_prompter.m_shown[0].m_strText,
                  "Error, could not find matching tree item.(init)");
    }
}

TEST_F(ArchPageStateTest, LoadOnAnEmptyConfigurationIsSilent) {
    CZRTProDoc empty;
    EXPECT_EQ(CurrentArchOnLoad(empty, m_doc.m_nodes[3].m_hItem, m_prompter), std::nullopt);
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST(ArchPageProfile, CurrentItemOnlyIsCheckedUntilCleared) {
    MemoryProfile profile;
    EXPECT_TRUE(ConflictsForCurrentItemOnly(profile));
    StoreConflictsForCurrentItemOnly(profile, false);
    EXPECT_EQ(profile.GetInt("userdata", "bZRTformCheckStatus", -1), 0);
    EXPECT_FALSE(ConflictsForCurrentItemOnly(profile));
    StoreConflictsForCurrentItemOnly(profile, true);
    EXPECT_EQ(profile.GetInt("userdata", "bZRTformCheckStatus", -1), 1);
}
