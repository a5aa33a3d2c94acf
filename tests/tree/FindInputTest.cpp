#include <gtest/gtest.h>

#include "support/Configs.h"
#include "tree/ArchRules.h"
#include "tree/FindInput.h"

namespace {

// Port 1 carries a camera interface unit (node 3, its inputs nodes 4 to 27
// numbered 101 to 124); ports 2 and 3 are direct inputs 125 and 126 (nodes 28, 29).
class FindInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildNumbered(m_doc, m_tree, 3, 1, 100);
        m_doc.m_nodes[3].m_strName = PadName("Gym port");
        m_doc.m_nodes[4].m_strName = PadName("Gym Hall");
        m_doc.m_nodes[10].m_strArch = "555";
        m_doc.m_nodes[28].m_strName = PadName("gymnasium");
        m_doc.m_nodes[29].m_strName = PadName("CAF\xC9");
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
};

}  // namespace

TEST_F(FindInputTest, MatchesNumbersAndNamesAndChoosesAroundTheCurrentInput) {
    struct Case {
        const char* text;
        int node;
        FindFrom from;
        std::vector<int> matches;
        int chosen;
        const char* summary;
    };
    const std::vector<int> tens = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const Case cases[] = {
        // current number, original number (node 10 was 107), parts of numbers
        {"555", 3, FindFrom::After, {10}, 10, "1 of 1"},
        {"107", 3, FindFrom::After, {10}, 10, "1 of 1"},
        {"10", 8, FindFrom::After, tens, 9, "6 of 10"},
        {"10", 13, FindFrom::After, tens, 4, "1 of 10"},
        {"10", 4, FindFrom::Before, tens, 13, "10 of 10"},
        {"10", 9, FindFrom::Before, tens, 8, "5 of 10"},
        {"10", 9, FindFrom::AtOrAfter, tens, 9, "6 of 10"},
        {"10", -1, FindFrom::After, tens, 4, "1 of 10"},
        {"126", 29, FindFrom::After, {29}, 29, "1 of 1"},
        // names, any letter case, a camera interface unit's port left out
        {"GYM", 4, FindFrom::After, {4, 28}, 28, "2 of 2"},
        {"gym", 28, FindFrom::After, {4, 28}, 4, "1 of 2"},
        {"gym", 28, FindFrom::AtOrAfter, {4, 28}, 28, "2 of 2"},
        {"Gym", 4, FindFrom::Before, {4, 28}, 28, "2 of 2"},
        {"  hall ", 20, FindFrom::After, {4}, 4, "1 of 1"},
        {"caf\xE9", 3, FindFrom::After, {29}, 29, "1 of 1"},
        {"hall gym", 3, FindFrom::After, {}, -1, "No match"},
        // the fixed nodes are no inputs; blanks look for nothing
        {"sett", 3, FindFrom::After, {}, -1, "No match"},
        {"", 3, FindFrom::After, {}, -1, ""},
        {"   ", 3, FindFrom::After, {}, -1, ""},
    };
    for (const Case& c : cases) {
        const InputMatches found = FindInputs(m_doc, c.text, c.node, c.from);
        EXPECT_EQ(found.m_nodes, c.matches) << c.text << " from " << c.node;
        EXPECT_EQ(found.ChosenNode(), c.chosen) << c.text << " from " << c.node;
        EXPECT_EQ(FindSummary(found, c.text), c.summary) << c.text << " from " << c.node;
    }
}

// An input the tree does not show cannot be selected, so it is not offered.
TEST_F(FindInputTest, InputsWithoutATreeItemAreLeftOut) {
    m_doc.m_nodes[28].m_hItem = nullptr;
    EXPECT_EQ(FindInputs(m_doc, "gym", 4, FindFrom::After).m_nodes, std::vector<int>{4});
    CZRTProDoc empty;
    EXPECT_EQ(FindInputs(empty, "1", 3, FindFrom::After).ChosenNode(), -1);
}
