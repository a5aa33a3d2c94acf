#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TempDir.h"
#include "unit/link/LinkTrace.h"

namespace {

namespace fs = std::filesystem;

// The mode bits of what is at `path`.
unsigned ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A trace holds a site's numbers and names: whatever the process's umask and
// whatever was there before, only the user can read the folder and the files.
TEST(LinkTrace, OnlyItsUserCanReadIt) {
    struct Case {
        const char* what;
        bool folderExists;
        unsigned folderMode;
    };
    const Case cases[] = {
        {"a new folder", false, 0},
        {"a folder open to all", true, 0777},
        {"a folder readable by the group", true, 0750},
    };
    const mode_t umaskBefore = ::umask(0);
    for (const Case& c : cases) {
        TempDir temp;
        const std::string folder = temp.PathOf("traces");
        if (c.folderExists) {
            fs::create_directories(folder);
            ::chmod(folder.c_str(), c.folderMode);
        }
        const std::string path = NextTracePath(folder, kTracesKept);
        {
            LinkTrace trace(path);
            ASSERT_TRUE(trace.Ok()) << c.what;
            trace.Note("opened");
        }
        EXPECT_EQ(ModeOf(folder), 0700u) << c.what;
        EXPECT_EQ(ModeOf(path), 0600u) << c.what;

        // A trace file left readable by an older version is closed to others when appended to.
        ::chmod(path.c_str(), 0644);
        LinkTrace(path).Note("again");
        EXPECT_EQ(ModeOf(path), 0600u) << c.what;
    }
    ::umask(umaskBefore);
}

}  // namespace
