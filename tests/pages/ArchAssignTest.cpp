#include <gtest/gtest.h>

#include "pages/ArchAssign.h"
#include "pages/ArchList.h"
#include "support/Configs.h"
#include "tree/ArchRules.h"

namespace {

// Four inputs 21-24 from a paging system with two spare zones.
class ArchAssignTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildFromRecords(m_doc, m_tree,
                         {{0, "21", PadName("Hall")},
                          {1, "22", PadName("Gym")},
                          {2, "23", PadName("Yard")},
                          {3, "24", PadName("Dock")}},
                         4, 0);
        m_doc.m_zones = {{"30", PadName("Spare"), 4}, {"100", PadName("Roof"), 5}};
        m_doc.SetModifiedFlag(false);
    }
    CConfigNode& Input(int k) { return m_doc.m_nodes[2 + k]; }
    std::vector<std::string> Arches(const std::vector<ArchRow>& rows) {
        std::vector<std::string> a;
        for (const auto& r : rows) a.push_back(r.m_strArch);
        return a;
    }
    ArchRow RowOf(const std::string& arch) {
        for (const auto& r : FillArchList(m_doc, 0, true))
            if (r.m_strArch == arch) return r;
        ADD_FAILURE() << arch;
        return {};
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
};

}  // namespace

TEST_F(ArchAssignTest, ListRowsByCategory) {
    Input(4).MakeNonPageable();
    const auto rows = FillArchList(m_doc, 0, true);
    const std::vector<ArchRow> expected = {
        {"100", PadName("Roof"), kListIconUnassigned, kListStateNone, 5},
        {"21", PadName("Hall"), kListIconAssigned, kListStateNone, 0},
        {"22", PadName("Gym"), kListIconAssigned, kListStateNone, 1},
        {"23", PadName("Yard"), kListIconAssigned, kListStateNone, 2},
        {"24", PadName("Dock"), kListIconNonPageable, kListStateNone, -1},
        {"30", PadName("Spare"), kListIconUnassigned, kListStateNone, 4},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(ArchAssignTest, HeaderClicksShareOneDirection) {
    // From the default order each header click inverts the stored direction.
    EXPECT_EQ(Arches(FillArchList(m_doc, 0, !m_doc.m_bSortAscending)),
              (std::vector<std::string>{"30", "24", "23", "22", "21", "100"}));
    EXPECT_EQ(Arches(FillArchList(m_doc, 0, !m_doc.m_bSortAscending)),
              (std::vector<std::string>{"100", "21", "22", "23", "24", "30"}));
    EXPECT_EQ(Arches(FillArchList(m_doc, 1, !m_doc.m_bSortAscending)),
              (std::vector<std::string>{"23", "30", "100", "21", "22", "24"}));
    EXPECT_EQ(m_doc.m_nSortColumn, 1);
    EXPECT_EQ(m_doc.m_bSortAscending, 0);
}

TEST_F(ArchAssignTest, ClickingAPoolNumberMovesItAndReleasesTheOldOne) {
    const ArchRow row = RowOf("30");
    EXPECT_EQ(ApplyArchSelection(m_doc, m_tree, m_prompter, Input(2).m_hItem, &row),
              ApplyOutcome::Assigned);
    EXPECT_EQ(Input(2).m_strArch, "30");
    EXPECT_EQ(Input(2).m_strName, PadName("Spare"));
    EXPECT_EQ(Input(2).m_nZoneId, 4);
    EXPECT_EQ(Input(2).m_strOrigArch, "22");
    EXPECT_EQ(m_doc.m_zones,
              (std::vector<CZoneEntry>{{"100", PadName("Roof"), 5}, {"22", PadName("Gym"), 1}}));
    EXPECT_EQ(m_tree.ItemText(Input(2).m_hItem), "Input 2, 30  Spare          ");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_prompter.m_statusTexts, std::vector<std::string>{" "});
}

TEST_F(ArchAssignTest, ClickingAnotherInputsNumberMakesOneConflictRow) {
    const ArchRow row = RowOf("23");
    ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, &row);
    // 21 was carried by no one else: it returns to the pool.
    EXPECT_EQ(m_doc.m_zones.back(), (CZoneEntry{"21", PadName("Hall"), 0}));
    const auto rows = FillArchList(m_doc, 0, true);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const ArchRow& r) { return r.m_strArch == "23"; }),
              1);
    EXPECT_EQ(RowOf("23").m_nState, kListStateConflict);
    EXPECT_EQ(RowOf("23").m_strName, PadName("Yard"));

    // Taking the shared number away from one of them returns nothing to the pool.
    const size_t poolSize = m_doc.m_zones.size();
    const ArchRow spare = RowOf("30");
    ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, &spare);
    EXPECT_EQ(m_doc.m_zones.size(), poolSize - 1);
}

TEST_F(ArchAssignTest, PageabilityFollowsTheZoneId) {
    Input(4).MakeNonPageable();
    const ArchRow nonPageable = RowOf("24");
    ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, &nonPageable);
    EXPECT_EQ(Input(1).m_nSignedCode, -3000);
    EXPECT_EQ(Input(1).m_nInputCode, 0);

    const ArchRow pageable = RowOf("30");
    ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, &pageable);
    EXPECT_EQ(Input(1).m_nSignedCode, 0);
    EXPECT_EQ(Input(1).m_nInputCode, 0);
}

TEST_F(ArchAssignTest, ClicksThatChangeNothing) {
    EXPECT_EQ(ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, nullptr),
              ApplyOutcome::NoSelection);
    EXPECT_EQ(m_prompter.m_statusTexts.back(),
              "Selection not made, click on the item text to select.");
    const ArchRow own = RowOf("21");
    EXPECT_EQ(ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, &own),
              ApplyOutcome::Unchanged);
    EXPECT_EQ(ApplyArchSelection(m_doc, m_tree, m_prompter, m_doc.m_nodes[1].m_hItem, &own),
              ApplyOutcome::NodeNotFound);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Error, couldnt find matching tree item.(setdata)"});
    EXPECT_EQ(Input(1).m_strArch, "21");
    EXPECT_EQ(m_doc.m_zones.size(), 2u);
}

TEST_F(ArchAssignTest, ResetPutsTheOriginalBack) {
    const ArchRow row = RowOf("100");
    ApplyArchSelection(m_doc, m_tree, m_prompter, Input(3).m_hItem, &row);
    m_tree.SelectItem(Input(3).m_hItem);
    EXPECT_TRUE(IsResetEnabled(m_doc, m_tree, m_prompter, Input(3).m_strArch));
    EXPECT_TRUE(ResetCurrentArch(m_doc, m_tree, m_prompter));
    EXPECT_EQ(Input(3).m_strArch, "23");
    EXPECT_EQ(Input(3).m_nZoneId, 2);
    EXPECT_FALSE(IsResetEnabled(m_doc, m_tree, m_prompter, Input(3).m_strArch));
    EXPECT_EQ(m_doc.m_zones,
              (std::vector<CZoneEntry>{{"30", PadName("Spare"), 4}, {"100", PadName("Roof"), 5}}));

    m_tree.SelectItem(nullptr);
    EXPECT_FALSE(ResetCurrentArch(m_doc, m_tree, m_prompter));
    EXPECT_EQ(m_prompter.Texts().back(), "Error, couldnt find matching tree item.(ZRTform button)");
}

TEST_F(ArchAssignTest, ResetAllRestoresEveryChangedInput) {
    for (int k : {1, 3}) {
        const ArchRow row = RowOf(k == 1 ? "30" : "100");
        ApplyArchSelection(m_doc, m_tree, m_prompter, Input(k).m_hItem, &row);
    }
    EXPECT_EQ(ResetAllArchNumbers(m_doc, m_tree), 2);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(Input(k).m_strArch, std::to_string(20 + k));
    EXPECT_EQ(m_doc.m_zones.size(), 2u);
}

TEST_F(ArchAssignTest, EditingANonPageableNumberRenamesIdleEntries) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{0, "21", PadName("Hall")}}, 4, 0);
    doc.m_idleLoop = {"9999", "21", "9999"};
    tree.SelectItem(doc.m_nodes[4].m_hItem);
    const auto edit = BeginArchEdit(doc, tree, m_prompter);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->m_strArch, "9999");
    EXPECT_TRUE(edit->m_bArchEditable);
    ASSERT_TRUE(ValidateArchEntry(doc, "4001", edit->m_nIndex, m_prompter));
    ApplyArchEdit(doc, tree, edit->m_nIndex, "4001", "Stairs");
    EXPECT_EQ(doc.m_idleLoop, (std::vector<std::string>{"4001", "21", "4001"}));
    EXPECT_EQ(doc.m_nodes[4].m_strOrigArch, "4001");
    EXPECT_EQ(doc.m_nodes[4].m_strOrigName, PadName("Stairs"));
    EXPECT_EQ(doc.m_nodes[4].m_nSignedCode, -32);
    EXPECT_TRUE(doc.m_zones.empty());

    // A pageable input offers only its name, without trailing blanks.
    tree.SelectItem(doc.m_nodes[3].m_hItem);
    const auto pageable = BeginArchEdit(doc, tree, m_prompter);
    EXPECT_FALSE(pageable->m_bArchEditable);
    EXPECT_EQ(pageable->m_strName, "Hall");
}

// OK in the edit dialog: a number that cannot be typed is kept whole and not
// checked again; an edit that changes nothing stores nothing.
TEST_F(ArchAssignTest, FinishingAnEditKeepsWhatCannotBeTypedAndStoresOnlyChanges) {
    const std::string longName = "Main Entrance Hall";  // 18 characters, as a reader may give
    const struct {
        const char* what;
        bool pageable;
        std::string stored;  // Input 1's number before the edit
        std::string typedArch, typedName;
        ArchEditResult result;
        std::string arch, name;  // Input 1 afterwards
        size_t messages;
    } cases[] = {
        {"nothing changed", true, "10234", "1023", longName, ArchEditResult::Unchanged, "10234",
         longName, 0},
        {"read-only number never cut", true, "10234", "1023", "Gate", ArchEditResult::Applied,
         "10234", PadName("Gate"), 0},
        {"read-only number shared is not checked", true, "22", "22", "Gate",
         ArchEditResult::Applied, "22", PadName("Gate"), 0},
        {"typed number checked", false, "21", "5A", longName, ArchEditResult::Refused, "21",
         longName, 1},
        {"typed number kept, name trailing blanks", false, "21", "21", longName + "  ",
         ArchEditResult::Unchanged, "21", longName, 0},
    };
    const CZRTProDoc start = m_doc;
    for (const auto& c : cases) {
        m_doc = start;
        Input(1).m_strArch = Input(1).m_strOrigArch = c.stored;
        Input(1).m_strName = Input(1).m_strOrigName = longName;
        if (!c.pageable) Input(1).MakeNonPageable();
        m_prompter.m_shown.clear();
        m_tree.SelectItem(Input(1).m_hItem);
        const auto edit = BeginArchEdit(m_doc, m_tree, m_prompter);
        ASSERT_TRUE(edit) << c.what;
        EXPECT_EQ(edit->m_strArch, c.stored) << c.what;
        EXPECT_EQ(edit->m_strName, longName) << c.what;
        EXPECT_EQ(FinishArchEdit(m_doc, m_tree, m_prompter, *edit, c.typedArch, c.typedName),
                  c.result)
            << c.what;
        EXPECT_EQ(Input(1).m_strArch, c.arch) << c.what;
        EXPECT_EQ(Input(1).m_strOrigArch, c.arch) << c.what;
        EXPECT_EQ(Input(1).m_strName, c.name) << c.what;
        EXPECT_EQ(m_doc.IsModified(), c.result == ArchEditResult::Applied) << c.what;
        EXPECT_EQ(m_prompter.m_shown.size(), c.messages) << c.what;
    }
}

// Each row says its number, its name without the padding and its marks in
// the key's words, as the pictures show them.
TEST_F(ArchAssignTest, RowsSayTheirNumberNameAndMarks) {
    Input(4).MakeNonPageable();
    const ArchRow row = RowOf("23");
    ApplyArchSelection(m_doc, m_tree, m_prompter, Input(1).m_hItem, &row);
    const std::pair<std::string, std::string> cases[] = {
        {"23", "23, Yard, conflict, assigned pageable"},
        {"24", "24, Dock, non-pageable"},
        {"30", "30, Spare, unassigned pageable"},
        {"22", "22, Gym, assigned pageable"},
    };
    for (const auto& [arch, spoken] : cases) EXPECT_EQ(SpokenArchRow(RowOf(arch)), spoken);
    EXPECT_EQ(SpokenArchRow({"7", PadName(""), kListIconUnassigned, kListStateNone, 9}),
              "7, unassigned pageable");
}
