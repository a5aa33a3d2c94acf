#include <gtest/gtest.h>

#include <functional>

#include "document/ConfigDiff.h"
#include "model/Translate.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"

namespace {

// A site of 4 ports, one camera interface unit, numbered from 11.
void BuildSite(CZRTProDoc& doc) {
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 1, 10);
    doc.m_zones.push_back({"90", "Spare", 9});
}

struct DiffCase {
    const char* m_name;
    std::function<void(CZRTProDoc&)> m_change;
    std::vector<DiffItem> m_expected;
};

}  // namespace

TEST(ConfigDiffTest, SameConfigurationsGiveNoDifferencesWhateverTheNamesPadding) {
    CZRTProDoc a, b;
    BuildSite(a);
    BuildSite(b);
    a.m_nodes[4].m_strName = "Gym";
    b.m_nodes[4].m_strName = "Gym            ";
    EXPECT_TRUE(CompareConfigurations(a, b).empty());
}

TEST(ConfigDiffTest, EachChangeGivesItsItems) {
    const std::vector<DiffCase> cases = {
        {"digits", [](CZRTProDoc& d) { d.m_nDialDigits = 4; }, {{"Digits", "0", "4"}}},
        {"paging system",
         [](CZRTProDoc& d) { d.m_nPagingSystem = kPagingLunetta; },
         {{"Paging system", "none", "Lunetta"}}},
        {"priority", [](CZRTProDoc& d) { d.m_nPriority = 1; }, {{"Priority", "2", "1"}}},
        {"time refresh",
         [](CZRTProDoc& d) { d.m_byTimeRefresh = kTimeRefreshSmdr; },
         {{"Time refresh from SMDR", "no", "yes"}}},
        {"admin",
         [](CZRTProDoc& d) { d.m_adminArch[2] = 77; },
         {{"Administrator Arch Number 3", "503", "77"}}},
        {"idle delay and no video",
         [](CZRTProDoc& d) {
             d.m_nIdleDelay = 9;
             d.m_bIdleNoVideo = 1;
         },
         {{"Idle loop delay", "3", "9"}, {"Idle loop without video", "no", "yes"}}},
        {"idle entry added",
         [](CZRTProDoc& d) { d.m_idleLoop.push_back("12"); },
         {{"Idle loop entry 2", "", "12"}}},
        {"idle entry changed",
         [](CZRTProDoc& d) { d.m_idleLoop[0] = "13"; },
         {{"Idle loop entry 1", "11", "13"}}},
        {"idle entry removed",
         [](CZRTProDoc& d) { d.m_idleLoop.clear(); },
         {{"Idle loop entry 1", "11", ""}}},
        {"input",
         [](CZRTProDoc& d) {
             CConfigNode& n = d.m_nodes[static_cast<size_t>(NodeLabelled(d, "exp 1, inp 2"))];
             n.m_strArch = "55";
             n.m_strOrigArch = "56";
             n.m_strName = "Gym\xE9";
             n.MakeNonPageable();
         },
         {{"exp 1, inp 2 Arch Number", "12", "55"},
          {"exp 1, inp 2 original Arch Number", "12", "56"},
          {"exp 1, inp 2 name", "", "Gym\xE9"},
          {"exp 1, inp 2 pageable", "yes", "no"}}},
        {"zones",
         [](CZRTProDoc& d) {
             d.m_zones[0].m_nZoneId = -3;
             d.m_zones.push_back({"91", "", 10});
             d.m_zones.push_back({"100", "", 11});
             d.m_zones.push_back({"9", "", 12});
         },
         // In number order, "9" before "10".
         {{"Unassigned 9", "", "unassigned"},
          {"Unassigned 90", "unassigned, Spare", "unassigned, Spare, non-pageable"},
          {"Unassigned 91", "", "unassigned"},
          {"Unassigned 100", "", "unassigned"}}},
    };
    for (const DiffCase& c : cases) {
        CZRTProDoc a, b;
        BuildSite(a);
        BuildSite(b);
        c.m_change(b);
        EXPECT_EQ(CompareConfigurations(a, b), c.m_expected) << c.m_name;
    }
}

TEST(ConfigDiffTest, InputsOnlyOneSideHasAreNamed) {
    CZRTProDoc small, large;
    MemoryTree tree;
    BuildNumbered(small, tree, 4, 0, 10);
    BuildNumbered(large, tree, 4, 1, 10);
    const auto items = CompareConfigurations(small, large);
    const auto has = [&](const DiffItem& wanted) {
        return std::find(items.begin(), items.end(), wanted) != items.end();
    };
    EXPECT_TRUE(has({"Camera interface units", "0", "1"}));
    EXPECT_TRUE(has({"exp 1, inp 24", "", "present"}));
    EXPECT_FALSE(has({"Input 2", "present", ""}));
}

// A configuration read from a file has no tree and so no labels yet: its
// inputs are placed as the tree would place them.
TEST(ConfigDiffTest, AConfigurationWithoutATreeIsComparedByPlace) {
    CZRTProDoc built;
    BuildSite(built);
    ZrtConfig read;
    ASSERT_EQ(DecodeZrt(EncodeZrt(built), read).m_status, ZrtStatus::Ok);
    EXPECT_TRUE(CompareConfigurations(built, read).empty());
    read.m_nodes[static_cast<size_t>(NodeLabelled(built, "exp 1, inp 2"))].m_strName = "Gym";
    read.m_nodes[static_cast<size_t>(NodeLabelled(built, "Input 3"))].m_strArch = "77";
    EXPECT_EQ(CompareConfigurations(built, read),
              (std::vector<DiffItem>{{"exp 1, inp 2 name", "", "Gym"},
                                     {"Input 3 Arch Number", "36", "77"}}));
}

// A row of the differences leads to the node whose page shows it; a label
// that only begins another ("Input 2" in "Input 21 ...") never matches it.
TEST(ConfigDiffTest, EachItemLeadsToTheNodeThatShowsIt) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 1, 10);
    const struct {
        const char* m_item;
        int m_node;
    } cases[] = {
        {"Model", 0},
        {"Digits", 0},
        {"Priority", 1},
        {"Administrator Arch Number 3", 1},
        {"Idle loop entry 12", 2},
        {"Idle loop delay", 2},
        {"exp 1, inp 2 name", NodeLabelled(doc, "exp 1, inp 2")},
        {"exp 1, inp 21 Arch Number", NodeLabelled(doc, "exp 1, inp 21")},
        {"exp 1, inp 24", NodeLabelled(doc, "exp 1, inp 24")},
        {"Input 2 original Arch Number", NodeLabelled(doc, "Input 2")},
        {"Input 8 pageable", NodeLabelled(doc, "Input 8")},
        {"Input 1 name", -1},  // the camera interface unit's port is no input
        {"Input 9", -1},
        {"exp 2, inp 1 name", -1},
        {"Unassigned 90", -1},
        {"Input 2x", -1},
        {"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(DiffItemNode(doc, c.m_item), c.m_node) << c.m_item;
    EXPECT_EQ(DiffItemNode(ZrtConfig{}, "Model"), -1);

    // Every item the comparison gives for a changed input leads to it.
    CZRTProDoc other;
    BuildNumbered(other, tree, 8, 1, 10);
    const int input = NodeLabelled(doc, "Input 7");
    other.m_nodes[static_cast<size_t>(input)].m_strName = "Gym";
    other.m_nodes[static_cast<size_t>(input)].m_strArch = "77";
    const auto items = CompareConfigurations(doc, other);
    ASSERT_FALSE(items.empty());
    for (const DiffItem& d : items) EXPECT_EQ(DiffItemNode(doc, d.m_strItem), input) << d.m_strItem;
}

// A person reads the differences in their language: the items' words, inputs
// as the tree names them, the values that are words; names and numbers stay.
// With no translation every text is the configuration's own.
TEST(ConfigDiffTest, DifferencesReadInThePersonsLanguage) {
    const std::vector<std::pair<DiffItem, DiffItem>> cases = {
        {{"Digits", "0", "4"},
         {"\xC2\xAB"
          "Digits\xC2\xBB",
          "0", "4"}},
        {{"Paging system", "none", "Lunetta"},
         {"\xC2\xAB"
          "Paging system\xC2\xBB",
          "\xC2\xAB"
          "none\xC2\xBB",
          "Lunetta"}},
        {{"Idle loop entry 2", "11", ""},
         {"\xC2\xAB"
          "Idle loop entry 2\xC2\xBB",
          "11", ""}},
        {{"Administrator Arch Number 1", "501", "502"},
         {"\xC2\xAB"
          "Administrator Arch Number 1\xC2\xBB",
          "501", "502"}},
        {{"Input 3 name", "Gym", "Pool"},
         {"\xC2\xAB\xC2\xAB"
          "Input 3\xC2\xBB name\xC2\xBB",
          "Gym", "Pool"}},
        {{"exp 1, inp 2 original Arch Number", "12", "13"},
         {"\xC2\xAB\xC2\xAB"
          "exp 1, inp 2\xC2\xBB original Arch Number\xC2\xBB",
          "12", "13"}},
        {{"Input 4 pageable", "yes", "no"},
         {"\xC2\xAB\xC2\xAB"
          "Input 4\xC2\xBB pageable\xC2\xBB",
          "\xC2\xAB"
          "yes\xC2\xBB",
          "\xC2\xAB"
          "no\xC2\xBB"}},
        {{"Input 5", "present", ""},
         {"\xC2\xAB"
          "Input 5\xC2\xBB",
          "\xC2\xAB"
          "present\xC2\xBB",
          ""}},
        {{"Unassigned 90", "unassigned, Spare, non-pageable", ""},
         {"\xC2\xAB"
          "Unassigned 90\xC2\xBB",
          "\xC2\xAB"
          "unassigned\xC2\xBB, Spare\xC2\xAB, non-pageable\xC2\xBB",
          ""}},
    };
    for (const auto& [item, shown] : cases) EXPECT_EQ(ShownDiffItem(item), item) << item.m_strItem;
    SetTextTranslator([](const char*, const char* source) {
        return "\xC2\xAB" + std::string(source) + "\xC2\xBB";
    });
    for (const auto& [item, shown] : cases) EXPECT_EQ(ShownDiffItem(item), shown) << item.m_strItem;
    SetTextTranslator({});
}
