#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "document/RecoveryFile.h"
#include "document/RecoveryFolder.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/TempDir.h"

namespace {

// A site whose first two inputs share an Arch Number: work Save refuses.
void BuildConflicting(CZRTProDoc& doc, MemoryTree& tree) {
    BuildNumbered(doc, tree, 4, 1, 100);
    doc.m_nodes[static_cast<size_t>(NodeLabelled(doc, "exp 1, inp 2"))].m_strArch = "101";
    doc.RecheckArchConflicts();
    doc.SetModifiedFlag(true);
}

}  // namespace

TEST(RecoveryFile, LayoutIsMagicTimeNamesThenTheConfiguration) {
    const RecoveryRecord record{"/a/b.zrt", "b.zrt", 0x0102030405060708, "CFG"};
    const std::string expected = std::string("NXRECOV1") + "\x08\x07\x06\x05\x04\x03\x02\x01" +
                                 std::string("\x08\x00\x00\x00", 4) + "/a/b.zrt" +
                                 std::string("\x05\x00\x00\x00", 4) + "b.zrtCFG";
    EXPECT_EQ(EncodeRecovery(record), expected);
}

TEST(RecoveryFile, DamagedFilesAreRefused) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    const std::string good = EncodeRecovery({"/x.zrt", "x.zrt", 5, EncodeZrt(doc)});
    ASSERT_TRUE(DecodeRecovery(good));
    std::string longName = good;
    longName.replace(16, 4, std::string("\xff\xff\xff\x7f", 4));
    const std::string cases[] = {
        "",
        "NXRECOV0" + good.substr(8),
        good.substr(0, 20),
        longName,
        good.substr(0, good.size() - 3),
        good.substr(0, 8 + 8 + 4 + 6 + 4 + 5) + "not a configuration",
    };
    for (const std::string& bytes : cases) EXPECT_FALSE(DecodeRecovery(bytes)) << bytes.size();
}

// Unsaved work, conflicts and all, is kept as the user changes it, private to
// the user; saving removes it; recovered it is the same work, unsaved, under
// the name and path it had, with nothing to undo.
TEST(RecoveryFile, KeeperFollowsTheWorkAndRecoveryGivesItBack) {
    TempDir dir;
    const std::string path = dir.PathOf(kRecoveryFileName);
    CZRTProDoc doc;
    MemoryTree tree;
    BuildConflicting(doc, tree);
    doc.SetPathName("/sites/plant.zrt");
    RecoveryKeeper keeper(path);

    keeper.Update(doc, true, 100);
    EXPECT_FALSE(std::filesystem::exists(path)) << "kept while a transfer fills the document";
    keeper.Update(doc, false, 100);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    auto kept = ReadRecovery(path);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->m_nTime, 100);
    EXPECT_EQ(kept->m_strConfig, EncodeZrt(doc));

    keeper.Update(doc, false, 200);
    EXPECT_EQ(ReadRecovery(path)->m_nTime, 100) << "unchanged work is not written again";
    doc.m_nIdleDelay = 9;
    keeper.Update(doc, false, 300);
    kept = ReadRecovery(path);
    EXPECT_EQ(kept->m_nTime, 300);

    CZRTProDoc after;
    MemoryTree afterTree;
    ScriptedPrompter prompter;
    MainState state;
    DocumentContext ctx{after, afterTree, prompter, &state};
    ASSERT_TRUE(RecoverWork(ctx, *kept));
    EXPECT_EQ(EncodeZrt(after), EncodeZrt(doc));
    EXPECT_EQ(after.GetPathName(), "/sites/plant.zrt");
    EXPECT_EQ(after.GetTitle(), "plant.zrt");
    EXPECT_EQ(afterTree.ItemText(afterTree.RootItem()), "plant System");
    EXPECT_TRUE(after.IsModified());
    EXPECT_TRUE(after.m_bConflicts);
    EXPECT_FALSE(state.m_history.CanUndo());

    doc.SetModifiedFlag(false);
    keeper.Update(doc, false, 400);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(RecoveryFile, QuestionNamesTheWorkAndWhenItWasKept) {
    const char* zone = std::getenv("TZ");
    const std::string saved = zone ? zone : "";
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(RecoveryQuestion({"", "untitled", 1'700'000'000, ""}),
              "Recover the unsaved changes to untitled from 2023-11-14 22:13?");
    // A name holding "%2" or "%1" is shown as it is.
    EXPECT_EQ(RecoveryQuestion({"/sites/sale%2.zrt", "sale%2%1.zrt", 1'700'000'000, ""}),
              "Recover the unsaved changes to sale%2%1.zrt from 2023-11-14 22:13?");
    if (zone)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

// Each window's work in a file of its own, locked while it runs: a running
// window's file cannot be taken (so is never offered or removed); once its
// holder lets go, as a process that ends does, it is work left behind.
TEST(RecoveryFolder, ARunningWindowsWorkIsNeverTaken) {
    TempDir dir;
    const std::string folder = dir.PathOf("data");
    std::filesystem::create_directories(folder);
    const std::string first = OwnRecoveryPath(folder, 100, 1'000);
    const std::string second = OwnRecoveryPath(folder, 100, 2'000);
    EXPECT_EQ(first, folder + "/unsaved-100-1000.zrt-recovery");
    EXPECT_NE(first, second);

    std::optional<RecoveryLock> running = RecoveryLock::Take(first);
    ASSERT_TRUE(running);
    ASSERT_TRUE(WriteRecovery(first, {"", "a.zrt", 1, "x"}));
    ASSERT_TRUE(WriteRecovery(second, {"", "b.zrt", 2, "y"}));
    dir.Write("data/unsaved.zrt-recovery", "old");
    dir.Write("data/other.txt", "");
    std::filesystem::last_write_time(
        first, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

    std::vector<std::string> files = RecoveryFiles(folder, second);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files.back(), first);
    EXPECT_FALSE(RecoveryLock::Take(first)) << "a running window's work";

    running.reset();  // the window crashed
    std::optional<RecoveryLock> left = RecoveryLock::Take(first);
    ASSERT_TRUE(left);
    EXPECT_FALSE(RecoveryLock::Take(first)) << "claimed while it is offered";
    left->RemoveAndRelease();
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(first + ".lock"));
    EXPECT_EQ(RecoveryFiles(folder, {}).size(), 2u);
}
