#include <gtest/gtest.h>

#include "support/Configs.h"
#include "tree/TreeCommands.h"

TEST(TreeCommands, ExpandOpensThePortsOfConflictingInputsOnlyAndSelectsTheFirst) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 3, 100);
    EXPECT_EQ(ExpandTreeToShowConflicts(doc, tree), nullptr);
    const int a = NodeLabelled(doc, "exp 1, inp 7");
    const int b = NodeLabelled(doc, "exp 3, inp 2");
    doc.m_nodes[b].m_strArch = doc.m_nodes[a].m_strArch;

    EXPECT_EQ(ExpandTreeToShowConflicts(doc, tree), doc.m_nodes[a].m_hItem);
    EXPECT_EQ(tree.SelectedItem(), doc.m_nodes[a].m_hItem);
    for (const char* port : {"Input 1", "Input 2", "Input 3"}) {
        const bool expected = std::string(port) != "Input 2";
        EXPECT_EQ(tree.Get(doc.m_nodes[NodeLabelled(doc, port)].m_hItem).m_bExpanded, expected)
            << port;
    }
}

TEST(TreeCommands, Enabling) {
    CZRTProDoc doc;
    EXPECT_FALSE(ExpandConflictsEnabled(doc));
    EXPECT_FALSE(ResetAllEnabled(doc, PageKind::CZRTForm));
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    EXPECT_TRUE(ExpandConflictsEnabled(doc));
    doc.m_nodes.resize(4);
    EXPECT_FALSE(ExpandConflictsEnabled(doc));
    EXPECT_TRUE(ResetAllEnabled(doc, PageKind::CZRTForm));
    for (PageKind other : {PageKind::testview, PageKind::CSettingsForm, PageKind::CIdleLoopForm,
                           PageKind::CInfoForm, PageKind::CStatusForm})
        EXPECT_FALSE(ResetAllEnabled(doc, other));
}
