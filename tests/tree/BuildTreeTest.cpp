#include <gtest/gtest.h>

#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "tree/SpokenMarks.h"

namespace {

std::vector<std::string> ChildTexts(const MemoryTree& tree, TreeItem item) {
    std::vector<std::string> texts;
    for (const auto* child : tree.Get(item).m_children) texts.push_back(child->m_strText);
    return texts;
}

}  // namespace

TEST(BuildTree, TwoRecordsOnFourPortsLeaveTwoNonPageableInputs) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{7, " 21", "Hall"}, {9, "22 ", ""}}, 4, 0);

    struct Expected {
        const char* arch;
        int zone, inputCode, signedCode, image;
        const char* text;
    };
    const Expected expected[] = {
        {"21", 7, 0, 0, kImagePageable, "Input 1, 21  Hall"},
        {"22", 9, 32, 32, kImagePageable, "Input 2, 22  "},
        {"9999", -1, 64, -64, kImageNonPageable, "Input 3, 9999  "},
        {"9998", -1, 96, -96, kImageNonPageable, "Input 4, 9998  "},
    };
    for (int k = 0; k < 4; ++k) {
        const CConfigNode& n = doc.m_nodes[3 + k];
        const Expected& e = expected[k];
        EXPECT_EQ(n.m_strArch, e.arch);
        EXPECT_EQ(n.m_strOrigArch, e.arch);
        EXPECT_EQ(n.m_nZoneId, e.zone);
        EXPECT_EQ(n.m_nOrigZoneId, e.zone);
        EXPECT_EQ(n.m_nInputCode, e.inputCode);
        EXPECT_EQ(n.m_nSignedCode, e.signedCode);
        EXPECT_EQ(n.m_pPageClass, PageKind::CZRTForm);
        EXPECT_EQ(tree.Get(n.m_hItem).m_nImage, e.image);
        EXPECT_EQ(tree.Get(n.m_hItem).m_nState, kStateClear);
        EXPECT_EQ(tree.ItemText(n.m_hItem), e.text);
    }
    EXPECT_TRUE(doc.m_zones.empty());
}

TEST(BuildTree, GeneratedNumberingStartsAfterTheFirstNumber) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(doc.m_nodes[3 + k].m_strArch, std::to_string(11 + k));
        EXPECT_EQ(doc.m_nodes[3 + k].m_strName, "");
        EXPECT_EQ(doc.m_nodes[3 + k].m_nZoneId, k);
        EXPECT_FALSE(doc.m_nodes[3 + k].IsNonPageable());
    }
    EXPECT_EQ(doc.m_idleLoop, std::vector<std::string>{"11"});
    EXPECT_EQ(doc.m_adminArch, (std::array<int32_t, 4>{501, 502, 503, 504}));
    EXPECT_TRUE(doc.m_bTreeBuilt);
    EXPECT_EQ(tree.SelectedItem(), tree.RootItem());
    EXPECT_TRUE(tree.Get(tree.RootItem()).m_bExpanded);
}

TEST(BuildTree, NoZonesAtAllGiveNumbersCountingDownFrom9999) {
    CZRTProDoc doc;
    MemoryTree tree;
    ScriptedPrompter prompter;
    BuildTree(doc, tree, prompter, nullptr, false, 0, -1, 0, 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(doc.m_nodes[3 + k].m_strArch, std::to_string(9999 - k));
    EXPECT_EQ(doc.m_nodes[3].m_nSignedCode, -3000);
    EXPECT_EQ(doc.m_nodes[3].m_nInputCode, 0);
}

TEST(BuildTree, GeneratedNumbersSkipNumbersInUse) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{1, "9999", "A"}, {2, "9997", "B"}}, 4, 0);
    EXPECT_EQ(doc.m_nodes[5].m_strArch, "9998");
    EXPECT_EQ(doc.m_nodes[6].m_strArch, "9996");
}

TEST(BuildTree, EightPortsWithTwoUnitsInTreeOrder) {
    CZRTProDoc doc;
    doc.SetPathName("/sites/plant.east.zrt");
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 2, 100);
    ASSERT_EQ(doc.NodeCount(), 59);

    ASSERT_EQ(tree.TopLevel().size(), 1u);
    const TreeItem root = tree.RootItem();
    EXPECT_EQ(tree.ItemText(root), "plant.east System");
    EXPECT_EQ(tree.Get(root).m_nImage, kImageRoot);
    const auto top = ChildTexts(tree, root);
    const std::vector<std::string> expectedTop = {
        "Settings",       "Idle Loop",      "Input 1",        "Input 2",        "Input 3, 149  ",
        "Input 4, 150  ", "Input 5, 151  ", "Input 6, 152  ", "Input 7, 153  ", "Input 8, 154  "};
    EXPECT_EQ(top, expectedTop);

    for (int unit = 1; unit <= 2; ++unit) {
        const int port = NodeLabelled(doc, "Input " + std::to_string(unit));
        ASSERT_GE(port, 0);
        const CConfigNode& p = doc.m_nodes[port];
        EXPECT_EQ(p.m_nInputCode, -2000);
        EXPECT_EQ(p.m_nZoneId, -50000);
        EXPECT_EQ(p.m_pPageClass, PageKind::CInfoForm);
        EXPECT_EQ(tree.Get(p.m_hItem).m_nImage, kImageCiuPort);
        EXPECT_EQ(tree.Get(p.m_hItem).m_nState, kStateNone);
        const auto children = ChildTexts(tree, p.m_hItem);
        ASSERT_EQ(children.size(), 24u);
        const int first = 101 + (unit - 1) * 24;
        EXPECT_EQ(children.front(),
                  "exp " + std::to_string(unit) + ", inp 1, " + std::to_string(first) + "  ");
        EXPECT_EQ(children.back(),
                  "exp " + std::to_string(unit) + ", inp 24, " + std::to_string(first + 23) + "  ");
    }
    const int exp2inp5 = NodeLabelled(doc, "exp 2, inp 5");
    EXPECT_EQ(doc.m_nodes[exp2inp5].m_nInputCode, 36);
    EXPECT_EQ(doc.m_nodes[exp2inp5].m_pPageClass, PageKind::CZRTForm);
    EXPECT_EQ(doc.m_nodes.back().m_nInputCode, 224);
    EXPECT_EQ(doc.m_nodes[1].m_pPageClass, PageKind::CSettingsForm);
    EXPECT_EQ(doc.m_nodes[2].m_pPageClass, PageKind::CIdleLoopForm);
    EXPECT_EQ(doc.m_nodes[0].m_pPageClass, PageKind::testview);
}

TEST(BuildTree, LunettaImportKeepsItsAdministratorNumbers) {
    CZRTProDoc doc;
    doc.m_nPagingSystem = kPagingLunetta;
    doc.m_adminArch = {601, 602, 603, 604};
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{1, "10", "A"}}, 4, 0);
    EXPECT_EQ(doc.m_adminArch, (std::array<int32_t, 4>{601, 602, 603, 604}));
    BuildNumbered(doc, tree, 4, 0, 10);
    EXPECT_EQ(doc.m_adminArch, (std::array<int32_t, 4>{501, 502, 503, 504}));
}

TEST(BuildTree, RebuildKeepsEveryStoredValue) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{5, "30", "Yard"}, {6, "31", "Dock"}}, 8, 1);
    doc.m_nodes[4].m_strArch = "77";
    doc.m_idleLoop = {"30", "31"};
    doc.m_adminArch = {1, 2, 3, 4};
    const std::string before = EncodeZrt(doc);

    CZRTProDoc loaded;
    ASSERT_EQ(DecodeZrt(before, loaded).m_status, ZrtStatus::Ok);
    MemoryTree loadedTree;
    ScriptedPrompter prompter;
    BuildTree(loaded, loadedTree, prompter, nullptr, true, -1, -1, loaded.m_nCiuCount,
              loaded.m_nPortCount);
    EXPECT_EQ(EncodeZrt(loaded), before);
    EXPECT_EQ(loadedTree.ItemCount(), tree.ItemCount());
    for (int i = 0; i < doc.NodeCount(); ++i) {
        EXPECT_EQ(loaded.m_nodes[i].m_strLabel, doc.m_nodes[i].m_strLabel);
        EXPECT_EQ(loaded.m_nodes[i].m_pPageClass, doc.m_nodes[i].m_pPageClass);
        if (i > 0) {
            EXPECT_EQ(NodeItemText(loaded, i), NodeItemText(doc, i));
        }
    }
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST(BuildTree, ConflictMarksFollowTheNumbers) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 0, 10);
    // Inputs 2, 5 and 7 share 200; input 5 is non-pageable.
    for (int i : {4, 7, 9}) doc.m_nodes[i].m_strArch = "200";
    doc.m_nodes[7].MakeNonPageable();
    RefreshTreeMarks(doc, tree);
    for (int i = 3; i < doc.NodeCount(); ++i) {
        const bool shared = i == 4 || i == 7 || i == 9;
        EXPECT_EQ(tree.Get(doc.m_nodes[i].m_hItem).m_nState, shared ? kStateConflict : kStateClear)
            << i;
    }
    EXPECT_EQ(tree.Get(doc.m_nodes[7].m_hItem).m_nImage, kImageNonPageable);
    EXPECT_EQ(tree.Get(doc.m_nodes[4].m_hItem).m_nImage, kImagePageable);

    doc.m_nodes[4].m_strArch = "201";
    doc.m_nodes[7].m_strArch = "202";
    RefreshTreeMarks(doc, tree);
    for (int i : {4, 7, 9}) EXPECT_EQ(tree.Get(doc.m_nodes[i].m_hItem).m_nState, kStateClear);
}

// A screen reader hears each input's marks after its text, from the same
// marks the pictures show; the fixed items and a port with its own camera
// interface unit say their text alone.
TEST(BuildTree, SpokenItemsSayTheirMarks) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 1, 100);
    const auto spoken = [&](int index) {
        const MemoryTree::Item& item = tree.Get(doc.m_nodes[index].m_hItem);
        return SpokenTreeItem(item.m_strText, item.m_nImage, item.m_nState);
    };
    const int first = NodeLabelled(doc, "Input 2");
    const int second = NodeLabelled(doc, "Input 3");
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    doc.m_nodes[first].m_strName = "Gate North     ";
    doc.m_nodes[second].m_strArch = doc.m_nodes[first].m_strArch;
    doc.m_nodes[second].MakeNonPageable();
    RefreshInputItems(doc, tree);
    const std::string shared = doc.m_nodes[first].m_strArch;
    EXPECT_EQ(spoken(first), "Input 2, " + shared + "  Gate North, conflict, assigned pageable");
    EXPECT_EQ(spoken(second), "Input 3, " + shared + ", conflict, non-pageable");
    EXPECT_EQ(spoken(NodeLabelled(doc, "Input 4")).substr(0, 9), "Input 4, ");
    EXPECT_NE(spoken(NodeLabelled(doc, "Input 4")).find(", assigned pageable"), std::string::npos);
    EXPECT_EQ(spoken(0), tree.Get(doc.m_nodes[0].m_hItem).m_strText);
    EXPECT_EQ(spoken(1), "Settings");
    EXPECT_EQ(spoken(NodeLabelled(doc, "Input 1")), "Input 1");  // the camera unit's port
}
