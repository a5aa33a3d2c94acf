#include <gtest/gtest.h>

#include "pages/IdleLoopEditor.h"
#include "pages/PageMessages.h"
#include "support/Configs.h"

namespace {

const std::string kLimit =
    "Idle loop list limit of 255 items has been reached.  The item was not added.";

// Inputs 101-104 named A-D; the loop 101, 102, 103.
class IdleLoopEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildNumbered(m_doc, m_tree, 4, 0, 100);
        const char* names[] = {"b", "A", "d", "C"};
        for (int k = 0; k < 4; ++k) m_doc.m_nodes[3 + k].m_strName = names[k];
        m_doc.m_idleLoop = {"101", "102", "103"};
        m_doc.SetModifiedFlag(false);
        m_editor.Load();
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    IdleLoopEditor m_editor{m_doc, m_prompter};
};

}  // namespace

TEST_F(IdleLoopEditorTest, LoadShowsBothLists) {
    EXPECT_EQ(m_editor.ArchLines(),
              (std::vector<std::string>{"101\tb", "102\tA", "103\td", "104\tC"}));
    EXPECT_EQ(m_editor.IdleLines(),
              (std::vector<std::string>{"101\tb", "102\tA", "103\td", "<end of list>"}));
    EXPECT_EQ(m_editor.IdleSelection(), 3);
    EXPECT_EQ(m_editor.ArchSelection(), 0);
}

TEST_F(IdleLoopEditorTest, AddsKeepTheirOrderBeforeTheSelection) {
    m_editor.SelectIdle(1);
    m_editor.SelectArch(3);
    EXPECT_EQ(m_editor.Add(), 1);
    m_editor.SelectArch(2);
    EXPECT_EQ(m_editor.Add(), 2);
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"101", "104", "103", "102", "103"}));
    EXPECT_EQ(m_editor.IdleSelection(), 3);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(IdleLoopEditorTest, SingleAddsStopAt254Entries) {
    m_doc.m_idleLoop.assign(253, "101");
    m_editor.Load();
    EXPECT_GE(m_editor.Add(), 0);
    EXPECT_EQ(m_doc.m_idleLoop.size(), 254u);
    EXPECT_EQ(m_editor.Add(), -1);
    EXPECT_EQ(m_doc.m_idleLoop.size(), 254u);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kLimit});
}

TEST_F(IdleLoopEditorTest, AddAllStopsAtTheListLimit) {
    m_doc.m_idleLoop.assign(251, "101");
    m_editor.Load();
    m_editor.AddAll();
    EXPECT_EQ(m_doc.m_idleLoop.size(), 254u);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kLimit});

    m_doc.m_idleLoop = {"101"};
    m_editor.Load();
    m_editor.AddAll();
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"101", "101", "102", "103", "104"}));
}

TEST_F(IdleLoopEditorTest, RemoveKeepsOneEntry) {
    m_editor.SelectIdle(2);
    m_editor.Remove();
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"101", "102"}));
    EXPECT_EQ(m_editor.IdleSelection(), 1);

    m_editor.SelectIdle(2);  // the end marker
    m_doc.SetModifiedFlag(false);
    m_editor.Remove();
    EXPECT_EQ(m_doc.m_idleLoop.size(), 2u);
    EXPECT_TRUE(m_doc.IsModified());

    m_editor.SelectIdle(0);
    m_editor.Remove();
    m_editor.Remove();
    EXPECT_EQ(m_doc.m_idleLoop, std::vector<std::string>{"102"});
    EXPECT_EQ(
        m_prompter.Texts(),
        std::vector<std::string>{"You must leave at least one valid entry\r\nin the idle list."});
}

TEST_F(IdleLoopEditorTest, ClearKeepsTheFirstEntryWithoutAName) {
    m_editor.Clear();
    EXPECT_EQ(m_doc.m_idleLoop, std::vector<std::string>{"101"});
    EXPECT_EQ(m_editor.IdleLines(), (std::vector<std::string>{"101", "<end of list>"}));

    m_doc.m_idleLoop.clear();
    m_editor.Load();
    m_editor.Clear();
    EXPECT_TRUE(m_doc.m_idleLoop.empty());
    EXPECT_EQ(m_editor.IdleLines(), std::vector<std::string>{"<end of list>"});
}

TEST_F(IdleLoopEditorTest, DelayTexts) {
    struct Case {
        const char* text;
        bool accepted;
        int stored;
    };
    const Case cases[] = {
        {"1", true, 1},   {"100", true, 100},          {"007", true, 7},          {" 5 ", true, 5},
        {"0", false, 5},  {"101", false, 5},           {"5s", false, 5},          {"", false, 5},
        {"-5", false, 5}, {"0000000000042", true, 42}, {"99999999999", false, 42}};
    for (const Case& c : cases) {
        EXPECT_EQ(m_editor.SetDelay(c.text), c.accepted) << c.text;
        EXPECT_EQ(m_doc.m_nIdleDelay, c.stored) << c.text;
    }
}

TEST_F(IdleLoopEditorTest, DraggingMovesLinesButNeverTheEndMarker) {
    EXPECT_FALSE(m_editor.CanDrag(3));
    m_editor.Move(3, 0);
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"101", "102", "103"}));

    m_editor.Move(0, 3);  // dropped on the end marker: now the last entry
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"102", "103", "101"}));
    EXPECT_EQ(m_editor.IdleSelection(), 2);

    m_editor.Move(2, 0);
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"101", "102", "103"}));
    m_editor.Move(1, 2);  // onto the line just below: no change
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"101", "102", "103"}));
    EXPECT_EQ(m_editor.IdleSelection(), 1);
}

TEST_F(IdleLoopEditorTest, NoVideoMarksModified) {
    m_editor.SetNoVideo(true);
    EXPECT_EQ(m_doc.m_bIdleNoVideo, 1);
    EXPECT_TRUE(m_doc.IsModified());
}
