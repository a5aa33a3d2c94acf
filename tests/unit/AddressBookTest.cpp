#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
#include "model/Translate.h"
#include "unit/AddressBook.h"
#include "unit/PastedConnection.h"
#include "unit/UnitMessages.h"

namespace {

namespace UM = UnitMessages;
using Kind = ConnectionAddress::Kind;

// A message by its words: the same words may sit at two addresses.
std::string Text(const char* message) { return message ? message : "(none)"; }

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

// A new entry never takes a name already in the book.
TEST(AddressBook, ANewEntryGetsAFreeName) {
    AddressBook book;
    const AddressEntry first = book.NewEntry("/dev/ttyUSB0");
    EXPECT_EQ(first.m_strName, "New unit");
    EXPECT_EQ(first.m_strConnection, "serial:/dev/ttyUSB0:9600");
    book.Put(first);
    book.Put({"New unit 2", "tcp:h:1"});
    EXPECT_EQ(book.NewEntry("").m_strName, "New unit 3");
}

TEST(AddressBook, AnEntryNeedsANameOfItsOwn) {
    AddressBook book;
    book.Put({"Lobby rack", "serial:ttyS0:9600"});
    book.Put({"Plant B", "tcp:h:1"});
    struct Case {
        size_t index;
        const char* name;
        const char* problem;
    };
    const Case cases[] = {
        {1, "", UM::kNeedName},     {1, "Lobby rack", UM::kNameTaken},
        {1, "Plant B", nullptr},  // keeps its own name
        {0, "Lobby rack", nullptr}, {1, "Plant C", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(book.NameProblem(c.index, c.name)), Text(c.problem))
            << c.index << " " << c.name;
}

TEST(AddressBook, AnEntrysFieldsMakeAConnectionOrSayWhatIsMissing) {
    struct Case {
        Kind kind;
        const char* device;
        const char* host;
        const char* number;
        const char* connection;
        const char* problem;
    };
    const Case cases[] = {
        {Kind::Serial, "/dev/ttyUSB0", "", "", "serial:/dev/ttyUSB0:19200", nullptr},
        {Kind::Serial, "", "", "", nullptr, UM::kNeedPort},
        {Kind::Serial, "tcp:host", "", "", nullptr, UM::kNeedPort},
        {Kind::Tcp, "", "10.0.0.5", "", "tcp:10.0.0.5:4001", nullptr},
        {Kind::Tcp, "", "fe80::1", "", "tcp:[fe80::1]:4001", nullptr},
        {Kind::Tcp, "/dev/ttyS0", "", "", nullptr, UM::kNeedHost},
        {Kind::Rfc2217, "", "10.0.0.5", "", "rfc2217:10.0.0.5:4001:19200", nullptr},
        {Kind::Rfc2217, "", "fe80::1", "", "rfc2217:[fe80::1]:4001:19200", nullptr},
        {Kind::Rfc2217, "/dev/ttyS0", "", "", nullptr, UM::kNeedHost},
        {Kind::Modem, "/dev/ttyS0", "", "5551234", "modem:/dev/ttyS0:19200:5551234", nullptr},
        {Kind::Modem, "/dev/ttyS0", "", "", nullptr, UM::kNeedNumber},
        {Kind::Modem, "/dev/ttyS0", "", "555;ATH", nullptr, UM::kNeedNumber},
        {Kind::Modem, "", "", "5551234", nullptr, UM::kNeedPort},
    };
    for (const Case& c : cases) {
        ConnectionAddress where;
        where.m_kind = c.kind;
        where.m_strDevice = c.device;
        where.m_nBaud = 19200;
        where.m_strHost = c.host;
        where.m_nPort = 4001;
        where.m_strNumber = c.number;
        const ConnectionCheck check = AddressBook::CheckConnection(where);
        EXPECT_EQ(Text(check.m_pszProblem), Text(c.problem)) << c.device << c.host << c.number;
        EXPECT_EQ(check.m_connection.value_or(""), c.connection ? c.connection : "")
            << c.device << c.host << c.number;
    }
}

}  // namespace

// A connection pasted in the command-line tool's form fills the entry; any
// other text (a modem line, a name, a half-typed address) is pasted as text.
TEST(PastedConnection, TakesTheToolsFormsOnly) {
    const auto tcp = PastedConnection("  tcp:bench.local:4001\n");
    ASSERT_TRUE(tcp);
    EXPECT_EQ(tcp->m_kind, ConnectionAddress::Kind::Tcp);
    EXPECT_EQ(tcp->m_strHost, "bench.local");
    EXPECT_EQ(tcp->m_nPort, 4001);
    const auto serial = PastedConnection("serial:/dev/ttyUSB0:19200");
    ASSERT_TRUE(serial);
    EXPECT_EQ(serial->m_kind, ConnectionAddress::Kind::Serial);
    EXPECT_EQ(serial->m_strDevice, "/dev/ttyUSB0");
    EXPECT_EQ(serial->m_nBaud, 19200);
    EXPECT_EQ(PastedConnection("serial:/dev/ttyS1")->m_nBaud, ConnectionAddress::kDefaultBaud);
    const auto server = PastedConnection("rfc2217:10.0.0.9:2217:19200");
    ASSERT_TRUE(server);
    EXPECT_EQ(server->m_kind, ConnectionAddress::Kind::Rfc2217);
    EXPECT_EQ(server->m_strHost, "10.0.0.9");
    EXPECT_EQ(server->m_nPort, 2217);
    EXPECT_EQ(server->m_nBaud, 19200);
    for (const char* text : {"", "Bench unit", "tcp:bench.local", "tcp:host:99999",
                             "modem:/dev/ttyS0:9600:5551234", "/dev/ttyUSB0"})
        EXPECT_FALSE(PastedConnection(text)) << text;
}

// A new entry's name in another language is kept as the book keeps every
// name, in Latin-1: the dialog shows it and takes it back letter for letter.
TEST(AddressBook, ANewEntrysTranslatedNameIsKeptInLatin1) {
    struct Case {
        const char* translated;  // UTF-8
        const char* kept;
    };
    const Case cases[] = {
        {"Neues Ger\xC3\xA4t", "Neues Ger\xE4t"},
        {"\xC3\x89l\xC3\xA9ment", "\xC9l\xE9ment"},
        {"Unit \xE2\x82\xAC", "Unit ?"},  // the euro sign is not in Latin-1
    };
    for (const Case& c : cases) {
        SetTextTranslator([&c](const char*, const char* source) {
            return std::string(source) == UM::kNewEntryName ? std::string(c.translated)
                                                            : std::string();
        });
        AddressBook book;
        book.Put({c.kept, "serial:ttyS0:9600"});
        EXPECT_EQ(book.NewEntry("").m_strName, std::string(c.kept) + " 2") << c.kept;
    }
    SetTextTranslator({});
}
