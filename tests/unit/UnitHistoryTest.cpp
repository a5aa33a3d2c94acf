#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "model/Format.h"
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

// The order is the order in which copies were kept, never the clock's: with a
// hundred copies named for a later day (the clock since moved back), the copy
// just kept stays, listed first, and the oldest by that order goes. Copies of
// earlier versions, without a sequence, are older than every counted one.
TEST(UnitHistory, TheCopyJustKeptIsNeverPrunedWhateverTheClockSays) {
    TempDir dir;
    const std::string folder = dir.PathOf("unit-history");
    fs::create_directories(folder);
    for (int i = 0; i < 100; ++i) {
        const std::string name =
            StrFormat("unit-history/20991231-2359%02d-000", i % 60) + (i >= 60 ? "-1" : "");
        dir.Write(name + ".txt", StrFormat("time=2099-12-31T23:59:%02d+00:00\nkind=read\n"
                                           "site=old %d\n",
                                           i % 60, i));
        dir.Write(name + ".bin", std::string(65536, '\0'));
    }
    const UnitHistory history(folder);
    std::string reason;
    const auto kept = history.Keep(Entry("today"), ImageOf(0x42), reason);
    ASSERT_TRUE(kept) << reason;
    EXPECT_EQ(kept->m_nSequence, 1u);
    EXPECT_TRUE(fs::exists(kept->m_strImagePath));
    std::vector<UnitHistoryEntry> entries = history.List();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front().m_strSite, "today");
    EXPECT_EQ(UnitHistory::LoadImage(entries.front().m_strImagePath), ImageOf(0x42));
    // Gone: the oldest by name among the uncounted, 20991231-235900-000.
    EXPECT_FALSE(fs::exists(folder + "/20991231-235900-000.bin"));
    EXPECT_TRUE(fs::exists(folder + "/20991231-235900-000-1.bin"));

    // Counted copies follow their sequence, whatever their names.
    const auto second = history.Keep(Entry("later"), ImageOf(0x43), reason);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->m_nSequence, 2u);
    fs::rename(second->m_strImagePath, folder + "/00000000-000000-000.bin");
    fs::rename(fs::path(second->m_strImagePath).replace_extension(".txt"),
               folder + "/00000000-000000-000.txt");
    entries = history.List();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries[0].m_strSite, "later");
    EXPECT_EQ(entries[1].m_strSite, "today");
}

// A description reads back what was kept, what the unit held included; one
// of an earlier version (no partly-written, no sequence) still reads.
TEST(UnitHistory, DescriptionsReadBack) {
    UnitHistoryEntry e = Entry("school.zrt");
    e.m_bPartlyWritten = true;
    TempDir dir;
    const UnitHistory history(dir.PathOf("h"));
    std::string reason;
    ASSERT_TRUE(history.Keep(e, ImageOf(1), reason));
    const UnitHistoryEntry back = history.List().front();
    EXPECT_TRUE(back.m_bPartlyWritten);
    EXPECT_EQ(back.m_nSequence, 1u);
    EXPECT_EQ(HeldText(back), "partly written");

    const auto old = UnitHistory::ParseDescription(
        "time=2026-12-01T10:00:00+01:00\nkind=before write\nconnection=serial:ttyUSB0\n"
        "site=a.zrt\nmodel=M-4800\ncamera-units=2\ninputs=52\nerased=no\n");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->m_nSequence, 0u);
    EXPECT_FALSE(old->m_bPartlyWritten);
    EXPECT_EQ(HeldText(*old), "M-4800, 2 camera interface units, 52 inputs");
    EXPECT_FALSE(UnitHistory::ParseDescription("kind=read\n"));
    EXPECT_EQ(UnitHistory::ParseDescription("time=x\nkind=read\nsequence=99999999999999999999\n"
                                            "inputs=-3\n")
                  ->m_nSequence,
              0u);
}
