#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/DocumentOps.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "model/MemoryProfile.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/TempDir.h"

namespace {

const std::string kCannotSave =
    "Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot save.";
const std::string kCloseWithoutSaving =
    kCannotSave + "\n\nClose without Saving?  The current data will be lost.";

class DocumentOpsTest : public ::testing::Test {
protected:
    void SetUp() override { BuildNumbered(m_doc, m_tree, 4, 0, 20); }
    std::string PathOf(const std::string& name) const { return m_dir.PathOf(name); }

    // A file holding a 8-port configuration numbered from 301.
    std::string WriteOtherConfig(const std::string& name) {
        CZRTProDoc other;
        MemoryTree tree;
        BuildNumbered(other, tree, 8, 1, 300);
        std::ofstream(PathOf(name), std::ios::binary) << EncodeZrt(other);
        return PathOf(name);
    }

    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    void MakeConflict() {
        m_doc.m_nodes[4].m_strArch = m_doc.m_nodes[3].m_strArch;
        m_doc.SetModifiedFlag();
    }

    TempDir m_dir;
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MainState m_main;
    DocumentContext m_ctx{m_doc, m_tree, m_prompter, &m_main};
};

}  // namespace

TEST_F(DocumentOpsTest, SaveWithConflictsIsRefusedAndLeavesTheFileAlone) {
    const std::string path = PathOf("site.zrt");
    std::ofstream(path, std::ios::binary) << "previous contents";
    MakeConflict();

    EXPECT_FALSE(SaveConfiguration(m_ctx, path));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kCannotSave});
    EXPECT_EQ(m_prompter.m_shown[0].m_buttons, PromptButtons::Ok);
    EXPECT_EQ(Slurp(path), "previous contents");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_bConflicts, 1);

    // The flag stays until the conflict display recomputes it, even once the
    // duplicate is gone.
    m_doc.m_nodes[4].m_strArch = "77";
    EXPECT_FALSE(SaveConfiguration(m_ctx, path));
    EXPECT_EQ(Slurp(path), "previous contents");
}

TEST_F(DocumentOpsTest, SaveWritesTheFileAndNamesTheDocumentAfterIt) {
    m_doc.SetModifiedFlag();
    const std::string path = PathOf("plant.east.zrt");
    ASSERT_TRUE(SaveConfiguration(m_ctx, path));
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(Slurp(path), EncodeZrt(m_doc));
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(m_doc.GetTitle(), "plant.east.zrt");
    EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "plant.east System");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DocumentOpsTest, SaveWithoutANameAsksForOneAndCancelWritesNothing) {
    m_doc.SetUntitled("untitled");
    EXPECT_FALSE(SaveDocument(m_ctx, false));
    EXPECT_EQ(m_prompter.m_fileChoices, std::vector<FileChoice>{FileChoice::SaveZrt});
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.Path()));

    m_prompter.m_files.push_back(PathOf("a.zrt"));
    EXPECT_TRUE(SaveDocument(m_ctx, false));
    EXPECT_EQ(m_doc.GetPathName(), PathOf("a.zrt"));

    // Save keeps the name; Save As asks again.
    EXPECT_TRUE(SaveDocument(m_ctx, false));
    EXPECT_EQ(m_prompter.m_fileChoices.size(), 2u);
    m_prompter.m_files.push_back(PathOf("b.zrt"));
    EXPECT_TRUE(SaveDocument(m_ctx, true));
    EXPECT_EQ(m_prompter.m_fileChoices.size(), 3u);
    EXPECT_EQ(m_doc.GetTitle(), "b.zrt");
}

// Conflicting Arch Numbers refuse a save before any file name is asked for.
TEST_F(DocumentOpsTest, SaveWithConflictsIsRefusedBeforeAskingForAName) {
    m_doc.SetUntitled("untitled");
    m_doc.m_nodes[4].m_strArch = m_doc.m_nodes[3].m_strArch;
    for (bool saveAs : {false, true}) {
        m_prompter.m_shown.clear();
        EXPECT_FALSE(SaveDocument(m_ctx, saveAs));
        EXPECT_TRUE(m_prompter.m_fileChoices.empty());
        EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kCannotSave});
    }
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.Path()));
}

TEST_F(DocumentOpsTest, OpenRebuildsTheTreeAndDropsThePendingPassword) {
    const std::string path = WriteOtherConfig("north.wing.zrt");
    m_doc.SetModifiedFlag();
    m_main.m_strPendingPassword = "1234";
    m_main.m_bPasswordPending = true;
    m_prompter.m_answers = {PromptAnswer::No};

    ASSERT_TRUE(OpenDocumentFile(m_ctx, path));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Save changes to untitled?"});
    EXPECT_EQ(m_doc.m_nPortCount, 8);
    EXPECT_EQ(m_doc.m_nodes[3 + 1].m_strArch, "301");
    EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "north.wing System");
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.m_bTreeBuilt);
    EXPECT_TRUE(m_main.m_strPendingPassword.empty());
    EXPECT_FALSE(m_main.m_bPasswordPending);
    EXPECT_EQ(m_tree.SelectedItem(), m_tree.RootItem());
}

TEST_F(DocumentOpsTest, OpenWithConflictsAsksTheCloseQuestionOnly) {
    const std::string path = WriteOtherConfig("other.zrt");
    struct Case {
        PromptAnswer answer;
        bool opened;
    };
    for (const Case c : {Case{PromptAnswer::Ok, true}, Case{PromptAnswer::Cancel, false}}) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, 4, 0, 20);
        doc.SetPathName(PathOf("mine.zrt"));
        doc.m_nodes[4].m_strArch = doc.m_nodes[3].m_strArch;
        doc.SetModifiedFlag();
        ScriptedPrompter prompter;
        prompter.m_answers = {c.answer};
        DocumentContext ctx{doc, tree, prompter, &m_main};

        EXPECT_EQ(OpenDocumentFile(ctx, path), c.opened);
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{kCloseWithoutSaving});
        EXPECT_EQ(prompter.m_shown[0].m_buttons, PromptButtons::OkCancel);
        EXPECT_EQ(doc.m_nPortCount, c.opened ? 8 : 4);
        EXPECT_EQ(doc.GetTitle(), c.opened ? "other.zrt" : "mine.zrt");
        EXPECT_EQ(doc.IsModified(), !c.opened);
    }
}

TEST_F(DocumentOpsTest, FailedOpenKeepsConfigurationNameAndPassword) {
    const std::string bad = PathOf("bad.zrt");
    std::ofstream(bad, std::ios::binary) << std::string("\xfe\xc9\x9a\x3b\x01", 5);
    m_doc.SetPathName(PathOf("current.zrt"));
    m_main.m_strPendingPassword = "99";
    m_main.m_bPasswordPending = true;
    const std::string before = EncodeZrt(m_doc);

    EXPECT_FALSE(OpenConfiguration(m_ctx, bad));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Unexpected file format."});
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_EQ(m_doc.GetPathName(), PathOf("current.zrt"));
    EXPECT_EQ(m_doc.GetTitle(), "current.zrt");
    EXPECT_TRUE(m_doc.m_bTreeBuilt);
    EXPECT_TRUE(m_main.m_bPasswordPending);

    // An untitled document stays untitled.
    m_doc.SetUntitled("untitled");
    EXPECT_FALSE(OpenConfiguration(m_ctx, PathOf("missing.zrt")));
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
}

// A file named by a second start, dropped or chosen that cannot be opened is
// named with its reason before any question; the unsaved work stays as it was.
TEST_F(DocumentOpsTest, AFileThatCannotBeOpenedIsNamedBeforeAnyQuestion) {
    const std::string garbage = PathOf("garbage.zrt");
    std::ofstream(garbage, std::ios::binary) << std::string("\xfe\xc9\x9a\x3b\x01", 5);
    const std::string wrongVersion = PathOf("old.zrt");
    std::ofstream(wrongVersion, std::ios::binary) << std::string("\x01\x00\x00\x00", 4);
    const std::pair<std::string, std::string> cases[] = {
        {PathOf("missing.zrt"),
         "Failed to open document.\n\n" + PathOf("missing.zrt") + ": No such file or directory"},
        {m_dir.Path().string(),
         "Failed to open document.\n\n" + m_dir.Path().string() + ": Is a directory"},
        {garbage, "Failed to open document.\n\n" + garbage + ": Unexpected file format."},
        {wrongVersion, "Cannot open file:" + wrongVersion +
                           ",version #:1, is illegal.\r\nIt may not be a valid NEXIL system file."},
    };
    m_doc.SetPathName(PathOf("current.zrt"));
    m_doc.m_nIdleDelay = 6;
    m_doc.SetModifiedFlag();
    const std::string before = EncodeZrt(m_doc);
    for (const auto& [path, message] : cases) {
        ScriptedPrompter prompter;
        DocumentContext ctx{m_doc, m_tree, prompter, &m_main};
        EXPECT_FALSE(OpenDocumentFile(ctx, path));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message});
        EXPECT_EQ(EncodeZrt(m_doc), before);
        EXPECT_EQ(m_doc.GetTitle(), "current.zrt");
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_TRUE(m_doc.m_bTreeBuilt);
    }
}

TEST_F(DocumentOpsTest, OpenFailsSilentlyWhileBusyOrWithoutMainWindow) {
    const std::string path = WriteOtherConfig("other.zrt");
    m_main.m_bBusy = true;
    EXPECT_FALSE(OpenConfiguration(m_ctx, path));
    DocumentContext noWindow{m_doc, m_tree, m_prompter, nullptr};
    EXPECT_FALSE(OpenConfiguration(noWindow, path));
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(m_doc.m_nPortCount, 4);
}

TEST_F(DocumentOpsTest, NewAsksOnlyTheSaveQuestion) {
    struct Case {
        PromptAnswer answer;
        bool goesOn;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {PromptAnswer::Yes, false, {"Save changes to mine.zrt?", kCannotSave}},
        {PromptAnswer::No, true, {"Save changes to mine.zrt?"}},
        {PromptAnswer::Cancel, false, {"Save changes to mine.zrt?"}},
    };
    for (const Case& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, 4, 0, 20);
        doc.SetPathName(PathOf("mine.zrt"));
        doc.m_nodes[4].m_strArch = doc.m_nodes[3].m_strArch;
        doc.SetModifiedFlag();
        MainState main;
        main.m_strPendingPassword = "55";
        main.m_bPasswordPending = true;
        ScriptedPrompter prompter;
        prompter.m_answers = {c.answer};
        DocumentContext ctx{doc, tree, prompter, &main};

        EXPECT_EQ(AskSaveChanges(ctx) && ClearForNew(ctx), c.goesOn);
        EXPECT_EQ(prompter.Texts(), c.texts);
        EXPECT_FALSE(std::filesystem::exists(PathOf("mine.zrt")));
        EXPECT_EQ(doc.GetPathName().empty(), c.goesOn);
        EXPECT_EQ(doc.IsModified(), !c.goesOn);
        EXPECT_EQ(main.m_bPasswordPending, !c.goesOn);
        EXPECT_EQ(doc.m_bTreeBuilt, !c.goesOn);
        if (c.goesOn) {
            EXPECT_EQ(doc.GetTitle(), "untitled");
        }
    }
}

TEST_F(DocumentOpsTest, LeavingAnUnmodifiedDocumentAsksNothing) {
    EXPECT_TRUE(ConfirmLeave(m_ctx));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

// Saved by the question, the file enters the recent files as every save does.
TEST_F(DocumentOpsTest, LeavingAModifiedDocumentCanSaveIt) {
    MemoryProfile profile;
    RecentFiles recent(profile, 4);
    m_ctx.m_pRecent = &recent;
    m_doc.SetPathName(PathOf("keep.zrt"));
    m_doc.SetModifiedFlag();
    m_prompter.m_answers = {PromptAnswer::Yes};
    EXPECT_TRUE(ConfirmLeave(m_ctx));
    EXPECT_EQ(m_prompter.m_shown[0].m_buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(Slurp(PathOf("keep.zrt")), EncodeZrt(m_doc));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(recent.Paths(), std::vector<std::string>{PathOf("keep.zrt")});
}

TEST(CommandEnabling, DocumentCommandsFollowBusyAndConfigured) {
    CZRTProDoc empty;
    CZRTProDoc configured;
    MemoryTree tree;
    BuildNumbered(configured, tree, 4, 0, 10);
    struct Case {
        int command;
        bool emptyIdle, configuredIdle, configuredBusy;
    };
    const Case cases[] = {
        {kCmdFileNew, true, true, false},      {kCmdFileOpen, true, true, false},
        {kCmdReadUnit, true, true, false},     {kCmdFileSave, false, true, false},
        {kCmdFileSaveAs, false, true, false},  {kCmdPrint, false, true, false},
        {kCmdWriteUnit, false, true, false},   {kCmdImportQuillon, false, false, false},
        {kCmdCompareFile, false, true, false}, {kCmdCompareUnit, false, true, false},
        {kCmdExportCsv, false, true, false},   {kCmdImportCsv, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(DocumentCommandEnabled(c.command, empty, false), c.emptyIdle);
        EXPECT_EQ(DocumentCommandEnabled(c.command, configured, false), c.configuredIdle);
        EXPECT_EQ(DocumentCommandEnabled(c.command, configured, true), c.configuredBusy);
    }
    EXPECT_FALSE(DocumentCommandEnabled(kCmdSetTime, configured, false).has_value());
}

TEST(CommandEnabling, ModifiedPaneShowsTheFlag) {
    CZRTProDoc doc;
    EXPECT_EQ(ModifiedIndicatorText(doc), "        ");
    doc.SetModifiedFlag();
    EXPECT_EQ(ModifiedIndicatorText(doc), "Modified");
}

// An opened file starts a history of its own and is its saved point; a file
// that fails to open leaves the history; a save moves the saved point.
TEST_F(DocumentOpsTest, OpenStartsTheEditHistoryAndSaveMarksTheSavedPoint) {
    EditHistory& history = m_main.m_history;
    history.Start(m_doc);
    m_doc.m_nIdleDelay = 12;
    history.Record(m_doc, "Change Idle Loop Delay", nullptr);

    EXPECT_FALSE(OpenConfiguration(m_ctx, PathOf("missing.zrt")));
    EXPECT_TRUE(history.CanUndo());

    ASSERT_TRUE(OpenConfiguration(m_ctx, WriteOtherConfig("north.zrt")));
    EXPECT_FALSE(history.CanUndo());
    m_doc.m_nPriority = 1;
    history.Record(m_doc, "Change Priority", nullptr);
    EXPECT_TRUE(m_doc.IsModified());
    history.Undo(m_doc);
    EXPECT_FALSE(m_doc.IsModified());

    history.Redo(m_doc);
    ASSERT_TRUE(SaveConfiguration(m_ctx, PathOf("north.zrt")));
    history.Undo(m_doc);
    EXPECT_TRUE(m_doc.IsModified());
    history.Redo(m_doc);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(Slurp(PathOf("north.zrt")), EncodeZrt(m_doc));
}
