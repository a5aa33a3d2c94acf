#include <gtest/gtest.h>

#include "model/TrimText.h"
#include "support/Configs.h"
#include "tree/ArchRules.h"

namespace {

class ArchRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildNumbered(m_doc, m_tree, 8, 0, 10);
        const char* names[] = {"Lobby", "Hall", "Gym", "Yard", "Dock", "Shop", "Office", "Gate"};
        for (int k = 0; k < 8; ++k) m_doc.m_nodes[3 + k].m_strName = PadName(names[k]);
    }
    void SetArch(int input, const std::string& arch) { m_doc.m_nodes[2 + input].m_strArch = arch; }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
};

}  // namespace

TEST_F(ArchRulesTest, ComparisonIsExactText) {
    SetArch(1, "123");
    SetArch(2, "0123");
    SetArch(3, "12");
    m_doc.m_zones.push_back({"123", "Spare", 4});
    for (int i = 3; i < m_doc.NodeCount(); ++i) EXPECT_FALSE(IsInputInConflict(m_doc, i)) << i;
    SetArch(3, "0123");
    EXPECT_TRUE(IsInputInConflict(m_doc, 4));
    EXPECT_TRUE(IsInputInConflict(m_doc, 5));
}

TEST_F(ArchRulesTest, WholeModelReportListsEachGroupOnce) {
    SetArch(1, "200");
    SetArch(3, "200");
    SetArch(6, "200");
    m_doc.m_nodes[5].MakeNonPageable();
    SetArch(2, "300");
    SetArch(8, "300");
    const ConflictReport r = RefreshConflictReport(m_doc, m_tree, m_prompter, false);
    EXPECT_TRUE(r.m_bRefreshed);
    EXPECT_EQ(r.m_strReport,
              "\r\nInput 1, 200  Lobby\r\n conflicts:\r\n"
              "   Input 3, 200  Gym             \r\n"
              "   Input 6, 200  Shop            \r\n"
              "\r\nInput 2, 300  Hall\r\n conflicts:\r\n"
              "   Input 8, 300  Gate            \r\n");
    EXPECT_EQ(m_doc.m_bConflicts, 1);
}

TEST_F(ArchRulesTest, CurrentItemReport) {
    SetArch(2, "200");
    SetArch(5, "200");
    m_tree.SelectItem(m_doc.m_nodes[4].m_hItem);
    ConflictReport r = RefreshConflictReport(m_doc, m_tree, m_prompter, true);
    EXPECT_EQ(r.m_strReport,
              "\r\nInput 2, 200  Hall\r\n conflicts:\r\n   Input 5, 200  Dock            \r\n");

    // The current input is free while two others conflict: an empty report,
    // but the flag reflects the whole model.
    m_tree.SelectItem(m_doc.m_nodes[3].m_hItem);
    r = RefreshConflictReport(m_doc, m_tree, m_prompter, true);
    EXPECT_TRUE(r.m_bRefreshed);
    EXPECT_EQ(r.m_strReport, "");
    EXPECT_EQ(m_doc.m_bConflicts, 1);

    SetArch(5, "205");
    r = RefreshConflictReport(m_doc, m_tree, m_prompter, true);
    EXPECT_EQ(m_doc.m_bConflicts, 0);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ArchRulesTest, CurrentItemReportWithoutAMatchingNode) {
    m_tree.SelectItem(nullptr);
    m_doc.m_bConflicts = 1;
    const ConflictReport r = RefreshConflictReport(m_doc, m_tree, m_prompter, true);
    EXPECT_FALSE(r.m_bRefreshed);
    EXPECT_EQ(m_doc.m_bConflicts, 0);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Error, couldnt find matching tree item.(check conflicts)"});
}

TEST_F(ArchRulesTest, EntryValidation) {
    m_doc.m_zones.push_back({"77", "Spare", 4});
    const std::string badChar =
        "The arch number must contain integer digits, or the \"#\" key or the \"*\" key  only.  "
        "Please choose a different arch number.";
    struct Case {
        std::string arch;
        bool accepted;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"5", true, {}},
        {"#*", true, {}},
        {"11", true, {}},  // the input's own number
        {"5A", false, {badChar}},
        {"1 2", false, {badChar}},
        {"12",
         false,
         {"The arch number 12 is already assigned at Input 2,  Please choose a different one."}},
        {"77", false, {"The arch number 77 is already in use. Please choose a different one."}},
    };
    for (const Case& c : cases) {
        ScriptedPrompter prompter;
        EXPECT_EQ(ValidateArchEntry(m_doc, c.arch, 3, prompter), c.accepted) << c.arch;
        EXPECT_EQ(prompter.Texts(), c.messages) << c.arch;
    }
}

TEST_F(ArchRulesTest, EveryDuplicateGivesItsOwnMessage) {
    SetArch(2, "40");
    SetArch(4, "40");
    m_doc.m_zones.push_back({"40", "Spare", 4});
    EXPECT_FALSE(ValidateArchEntry(m_doc, "40", 2 + 2, m_prompter));
    EXPECT_EQ(
        m_prompter.Texts(),
        (std::vector<std::string>{
            "The arch number 40 is already assigned at Input 4,  Please choose a different one.",
            "The arch number 40 is already in use. Please choose a different one."}));
}

TEST(Names, PaddedToFifteenAndTrimmedForEditing) {
    EXPECT_EQ(PadName("Lobby"), "Lobby          ");
    EXPECT_EQ(PadName(""), std::string(15, ' '));
    EXPECT_EQ(PadName("Fifteen chars!!"), "Fifteen chars!!");
    EXPECT_EQ(TrimEnd("Lobby     \t"), "Lobby");
}
