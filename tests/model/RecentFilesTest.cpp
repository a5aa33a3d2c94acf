#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
#include "model/RecentFiles.h"

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutDuplicatesAndAtMostFour) {
    MemoryProfile profile;
    RecentFiles recent(profile, 4);
    for (const char* p : {"/a.zrt", "/b.zrt", "/c.zrt", "/a.zrt", "/d.zrt", "/e.zrt"})
        recent.Add(p);
    EXPECT_EQ(recent.Paths(), (Paths{"/e.zrt", "/d.zrt", "/a.zrt", "/c.zrt"}));

    recent.Remove("/a.zrt");
    EXPECT_EQ(recent.Paths(), (Paths{"/e.zrt", "/d.zrt", "/c.zrt"}));

    // The list comes back from the profile, emptied slots and all.
    RecentFiles again(profile, 4);
    EXPECT_EQ(again.Paths(), (Paths{"/e.zrt", "/d.zrt", "/c.zrt"}));
    EXPECT_EQ(profile.GetString("Recent File List", "File4", "?"), "");
}
