#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/FileIo.h"
#include "model/ZrtCodec.h"
#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/TempDir.h"
#include "unit/emulator/EepromFile.h"

namespace {

// How a save ran in a child process that may write at most `limit` bytes to
// any file: the text it sent back, and its exit status or -signal.
struct ChildRun {
    int m_nStatus = -1;
    std::string m_strText;
};

enum class AtTheLimit {
    Refused,  // the write fails with EFBIG, as on a full disk
    Killed,   // the process is killed there with SIGKILL, half-way through the file
};

void KillSelf(int) { ::raise(SIGKILL); }

ChildRun SaveInChild(rlim_t limit, AtTheLimit at, const std::function<std::string()>& save) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, at == AtTheLimit::Refused ? SIG_IGN : KillSelf);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const std::string text = save();
        (void)!::write(fds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildRun run;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        run.m_strText.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.m_nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return run;
}

std::vector<std::string> FilesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.PathOf("")))
        names.push_back(e.path().filename().string());
    return names;
}

// An eight-port site with three camera interface units: its file is a few
// kilobytes, so a limit of 1,000 bytes stops the save part-way.
CZRTProDoc LargeSite() {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 3, 100);
    return doc;
}

CZRTProDoc SmallSite() {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    return doc;
}

TEST(SaveCrashSafety, FullDiskLeavesTheOldConfigurationFileAsItWas) {
    TempDir dir;
    const std::string old = EncodeZrt(SmallSite());
    const std::string path = dir.Write("site.zrt", old);
    ASSERT_LT(old.size(), 1000u);
    ASSERT_GT(EncodeZrt(LargeSite()).size(), 1000u);
    const ChildRun run = SaveInChild(1000, AtTheLimit::Refused, [&] {
        CZRTProDoc doc = LargeSite();
        doc.SetModifiedFlag(true);
        ScriptedPrompter prompter;
        const bool saved = SaveZrtFile(doc, path, prompter);
        return std::string(saved ? "saved" : "failed") + "|" + prompter.Texts().at(0) + "|" +
               (doc.IsModified() ? "modified" : "clean");
    });
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_EQ(run.m_strText, "failed|Failed to save document.\n\n" +
                                 std::string(std::strerror(EFBIG)) + "|modified");
    EXPECT_EQ(ReadWholeFile(path, 1 << 20), old);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"site.zrt"});
}

TEST(SaveCrashSafety, KilledMidSaveLeavesTheOldConfigurationFileAsItWas) {
    TempDir dir;
    const std::string old = EncodeZrt(SmallSite());
    const std::string path = dir.Write("site.zrt", old);
    const ChildRun run = SaveInChild(1000, AtTheLimit::Killed, [&] {
        CZRTProDoc doc = LargeSite();
        ScriptedPrompter prompter;
        SaveZrtFile(doc, path, prompter);
        return std::string("returned");
    });
    EXPECT_EQ(run.m_nStatus, -SIGKILL);
    EXPECT_EQ(run.m_strText, "");
    EXPECT_EQ(ReadWholeFile(path, 1 << 20), old);
    // The half-written new file stays beside it under another name.
    EXPECT_EQ(FilesIn(dir).size(), 2u);
}

TEST(SaveCrashSafety, EmulatorMemoryFileSurvivesAFullDiskAndAKill) {
    for (const AtTheLimit at : {AtTheLimit::Refused, AtTheLimit::Killed}) {
        SCOPED_TRACE(at == AtTheLimit::Refused ? "full disk" : "killed");
        TempDir dir;
        const EepromFile file(dir.PathOf("unit.bin"));
        EmulatedUnit old;
        old.SetCell(0x1234, 0x5A);
        ASSERT_TRUE(file.Save(old));
        const auto before = ReadWholeFile(file.Path(), 1 << 20);
        const ChildRun run = SaveInChild(30000, at, [&] {
            EmulatedUnit changed;
            for (uint32_t a = 0; a < EmulatedUnit::kEepromSize; a += 7)
                changed.SetCell(static_cast<uint16_t>(a), 0x00);
            return std::string(file.Save(changed) ? "saved" : "failed");
        });
        EXPECT_EQ(run.m_nStatus, at == AtTheLimit::Refused ? 0 : -SIGKILL);
        EXPECT_EQ(run.m_strText, at == AtTheLimit::Refused ? "failed" : "");
        EXPECT_EQ(ReadWholeFile(file.Path(), 1 << 20), before);
        EmulatedUnit loaded;
        EXPECT_EQ(file.Load(loaded), EepromFile::LoadResult::Loaded);
        EXPECT_EQ(loaded.Eeprom(), old.Eeprom());
    }
}

}  // namespace
