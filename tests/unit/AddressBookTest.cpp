#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
#include "unit/AddressBook.h"

namespace {

TEST(AddressBook, KeepsItsEntriesAndTheLastUsedInTheProfile) {
    MemoryProfile profile;
    AddressBook book;
    book.Put({"Lobby rack", "serial:/dev/ttyUSB0:9600"});
    book.Put({"Plant B", "tcp:10.0.0.5:4001"});
    book.Put({"Far site", "modem:/dev/ttyS0:19200:5551234"});
    book.m_strLastUsed = "Plant B";
    book.Save(profile);

    EXPECT_EQ(profile.GetInt("AddressBook", "Count", -1), 3);
    EXPECT_EQ(profile.GetString("AddressBook", "Name2", ""), "Plant B");
    EXPECT_EQ(profile.GetString("AddressBook", "Connection3", ""),
              "modem:/dev/ttyS0:19200:5551234");

    const AddressBook loaded = AddressBook::Load(profile);
    ASSERT_EQ(loaded.Entries().size(), 3u);
    EXPECT_EQ(loaded.Entries()[0].m_strName, "Lobby rack");
    EXPECT_EQ(loaded.Entries()[1].m_strConnection, "tcp:10.0.0.5:4001");
    EXPECT_EQ(loaded.m_strLastUsed, "Plant B");
}

TEST(AddressBook, ANameNamesOneEntry) {
    AddressBook book;
    EXPECT_EQ(book.Put({"A", "serial:ttyS0:9600"}), 0u);
    EXPECT_EQ(book.Put({"B", "serial:ttyS1:9600"}), 1u);
    EXPECT_EQ(book.Put({"A", "tcp:h:1"}), 0u);
    ASSERT_EQ(book.Entries().size(), 2u);
    EXPECT_EQ(book.Entries()[0].m_strConnection, "tcp:h:1");
    book.Replace(1, {"C", "serial:ttyS2:9600"});
    EXPECT_EQ(book.Find("C"), 1);
    EXPECT_EQ(book.Find("B"), -1);
    book.Remove(0);
    book.Remove(5);
    ASSERT_EQ(book.Entries().size(), 1u);
    EXPECT_EQ(book.Entries()[0].m_strName, "C");
}

// A profile edited by hand: the book reads what makes sense and no more.
TEST(AddressBook, AHandEditedProfileNeverMisleadsIt) {
    struct Case {
        const char* what;
        int count;
        size_t expected;
    };
    const Case cases[] = {
        {"negative count", -5, 0}, {"huge count", 2000000000, 2}, {"short count", 1, 1}};
    for (const Case& c : cases) {
        MemoryProfile profile;
        profile.SetInt("AddressBook", "Count", c.count);
        profile.SetString("AddressBook", "Name1", "A");
        profile.SetString("AddressBook", "Connection1", "serial:ttyS0");
        profile.SetString("AddressBook", "Name2", "B");
        profile.SetString("AddressBook", "Connection2", "tcp:h:2");
        profile.SetString("AddressBook", "Name3", "A");  // the same name again: left out
        profile.SetString("AddressBook", "Connection3", "tcp:h:3");
        EXPECT_EQ(AddressBook::Load(profile).Entries().size(), c.expected) << c.what;
    }
}

}  // namespace
