#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/TempDir.h"
#include "unit/UnitHistory.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ImageOf(uint8_t fill) { return std::vector<uint8_t>(65536, fill); }

UnitHistoryEntry Entry(const std::string& site) {
    UnitHistoryEntry e;
    e.m_strKind = "before write";
    e.m_strConnection = "tcp:10.0.0.5:4001";
    e.m_strSite = site;
    e.m_strModel = "M-4800";
    e.m_nCameraUnits = 2;
    e.m_nInputs = 52;
    return e;
}

}  // namespace

TEST(UnitHistory, KeepsEntriesWholeNewestFirstAndOnlyTheNewestHundred) {
    TempDir dir;
    const UnitHistory history(dir.PathOf("unit-history"));
    std::string reason;
    for (int i = 0; i < 102; ++i)
        ASSERT_TRUE(history.Keep(Entry("site " + std::to_string(i)),
                                 ImageOf(static_cast<uint8_t>(i)), reason))
            << reason;
    const std::vector<UnitHistoryEntry> entries = history.List();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front().m_strSite, "site 101");
    EXPECT_EQ(entries.back().m_strSite, "site 2");
    EXPECT_EQ(UnitHistory::LoadImage(entries.front().m_strImagePath), ImageOf(101));
    const UnitHistoryEntry& e = entries.front();
    EXPECT_EQ(e.m_strKind, "before write");
    EXPECT_EQ(e.m_strConnection, "tcp:10.0.0.5:4001");
    EXPECT_EQ(e.m_strModel, "M-4800");
    EXPECT_EQ(e.m_nCameraUnits, 2);
    EXPECT_EQ(e.m_nInputs, 52);
    EXPECT_FALSE(e.m_bErased);
    // "2026-12-11T02:15:44+01:00"
    ASSERT_EQ(e.m_strTime.size(), 25u) << e.m_strTime;
    EXPECT_EQ(e.m_strTime[10], 'T');
    EXPECT_TRUE(e.m_strTime[19] == '+' || e.m_strTime[19] == '-');
    EXPECT_EQ(e.m_strTime[22], ':');

    // Two files an entry, nothing left over from the writes, none readable by others.
    size_t files = 0;
    for (const auto& f : fs::directory_iterator(dir.PathOf("unit-history"))) {
        ++files;
        EXPECT_EQ(f.status().permissions(), fs::perms::owner_read | fs::perms::owner_write)
            << f.path();
    }
    EXPECT_EQ(files, 200u);
    EXPECT_EQ(fs::status(dir.PathOf("unit-history")).permissions(), fs::perms::owner_all);

    EXPECT_TRUE(history.Delete(entries.front()));
    EXPECT_EQ(history.List().front().m_strSite, "site 100");
}

// Whatever else lies in the folder is not an entry: a description without a
// whole image, an image without a description, a description too large, a
// line break in a site's title does not make a line of its own.
TEST(UnitHistory, ListsOnlyWholeEntries) {
    TempDir dir;
    const std::string folder = dir.PathOf("unit-history");
    const UnitHistory history(folder);
    std::string reason;
    ASSERT_TRUE(history.Keep(Entry("two\nlines"), ImageOf(0x11), reason));
    fs::create_directories(folder);
    dir.Write("unit-history/20000101-000000-000.txt", "time=x\nkind=read\n");
    dir.Write("unit-history/20000101-000000-000.bin", std::string(65535, '\0'));
    dir.Write("unit-history/20000101-000000-001.bin", std::string(65536, '\0'));
    dir.Write("unit-history/20000101-000000-002.txt",
              "time=x\nkind=read\n" + std::string(5000, 'x'));
    dir.Write("unit-history/20000101-000000-002.bin", std::string(65536, '\0'));
    const auto entries = history.List();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].m_strSite, "two lines");
    EXPECT_FALSE(UnitHistory::LoadImage(dir.PathOf("unit-history/20000101-000000-000.bin")));

    const UnitHistory blocked(dir.Write("file", "") + "/unit-history");
    EXPECT_FALSE(blocked.Keep(Entry("x"), ImageOf(0), reason));
    EXPECT_FALSE(reason.empty());
}
