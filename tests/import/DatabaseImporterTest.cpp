#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "import/CDatabaseImporter.h"
#include "import/DatabaseText.h"
#include "import/JetDatabase.h"
#include "import/M7700Database.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

using J = JetDatabase;
using Record = std::tuple<int, std::string, std::string>;

std::vector<Record> Flatten(const std::vector<CImportRecord>& records) {
    std::vector<Record> out;
    for (const auto& r : records) out.emplace_back(r.m_nZoneId, r.m_strArch, r.m_strName);
    return out;
}

using M7700Database::ClidColumns;
using M7700Database::Stations;
J SiteDatabase(std::optional<int> systemConfig, std::vector<J::Row> clid) {
    return M7700Database::Site(systemConfig, std::move(clid));
}

std::string RunTool(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

class DatabaseImporterTest : public ::testing::Test {
protected:
    ImportStatus Read(const J& db) { return m_importer.Read(m_dir.Write("site.mdb", db.Bytes())); }

    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CDatabaseImporter m_importer{m_prompter};
};

TEST_F(DatabaseImporterTest, TheFixtureReadsBackThroughTheMdbTools) {
    const std::string path = m_dir.Write(
        "site.mdb", SiteDatabase(2, {{J::Byte(7), J::Text("Front desk"), J::Text(" 207")},
                                     {J::Byte(9), std::nullopt, J::Text("2#9")}})
                        .Bytes());
    EXPECT_EQ(RunTool("mdb-ver " + path), "JET4\n");
    EXPECT_EQ(RunTool("mdb-tables -1 " + path), "Config\nClid\n");
    EXPECT_EQ(RunTool("mdb-export " + path + " Config"), "System_Config\n2\n");
    EXPECT_EQ(RunTool("mdb-export " + path + " Clid"),
              "Clid_Station,Clid_String,Archnum\n"
              "7,\"Front desk\",\" 207\"\n"
              "9,,\"2#9\"\n");
    EXPECT_EQ(RunTool("mdb-count " + path + " Clid"), "2\n");
}

TEST_F(DatabaseImporterTest, LongTextsAreCutToTheRoomReservedForThem) {
    ASSERT_EQ(Read(SiteDatabase(0, {{J::Byte(1), J::Text(std::string(300, 'n')),
                                     J::Text(std::string(256, '7'))}})),
              IMPORT_OK);
    ASSERT_EQ(m_importer.m_records.size(), 1u);
    EXPECT_EQ(m_importer.m_records[0].m_strName, std::string(255, 'n'));
    EXPECT_EQ(m_importer.m_records[0].m_strArch, std::string(255, '7'));
}

TEST_F(DatabaseImporterTest, RowsBecomeRecordsAsStored) {
    ASSERT_EQ(Read(SiteDatabase(0, {{J::Byte(1), J::Text("Lobby  "), J::Text(" 101 ")},
                                    {J::Byte(24), J::Text(""), J::Text("1*2")},
                                    {J::Byte(0), std::nullopt, std::nullopt},
                                    {std::nullopt, J::Text("B\xFCro"), J::Text("7")}})),
              IMPORT_OK);
    EXPECT_EQ(Flatten(m_importer.m_records),
              (std::vector<Record>{
                  {0, " 101 ", "Lobby  "}, {23, "1*2", ""}, {-1, "", ""}, {-1, "7", "B\xFCro"}}));
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST_F(DatabaseImporterTest, TheSystemSizeLimitsTheRowsRead) {
    struct Case {
        std::optional<int> systemConfig;
        int rows;
        size_t expected;
    };
    const Case cases[] = {
        {0, 30, 24},     {3, 50, 50},
        {3, 100, 96},    {std::nullopt, 30, 24},  // an empty Config table
        {255, 700, 700},                          // several data pages, in the database's order
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Read(SiteDatabase(c.systemConfig, Stations(c.rows))), IMPORT_OK);
        const auto records = Flatten(m_importer.m_records);
        ASSERT_EQ(records.size(), c.expected) << c.rows;
        for (size_t i = 0; i < records.size(); ++i) {
            const int station = static_cast<int>(i) + 1;
            const int storedByte = station % 256;  // the byte column wraps
            ASSERT_EQ(records[i], Record(storedByte - 1, " " + std::to_string(100 + station),
                                         "Station " + std::to_string(station)))
                << i;
        }
    }
}

TEST_F(DatabaseImporterTest, TableProblemsAreRefusedWithTheEnginesReason) {
    struct Case {
        const char* what;
        J db;
        std::string reason;
    };
    J noClid;
    noClid.AddTable("Config", {J::ByteColumn("System_Config")}, {{J::Byte(0)}});
    J noArchnum;
    noArchnum.AddTable("Config", {J::ByteColumn("System_Config")}, {{J::Byte(0)}});
    noArchnum.AddTable("Clid", {J::ByteColumn("Clid_Station"), J::TextColumn("Clid_String")},
                       {{J::Byte(1), J::Text("x")}});
    J noConfig;
    noConfig.AddTable("Clid", ClidColumns(), Stations(3));
    J textStation;
    textStation.AddTable("Config", {J::ByteColumn("System_Config")}, {{J::Byte(0)}});
    textStation.AddTable(
        "Clid",
        {J::TextColumn("Clid_Station"), J::TextColumn("Clid_String"), J::TextColumn("Archnum")},
        {{J::Text("12a"), J::Text("x"), J::Text("1")}});
    const Case cases[] = {
        {"empty Clid", SiteDatabase(0, {}), "No current record: the table 'Clid' holds no rows."},
        {"no Clid", noClid, "The database has no table 'Clid'."},
        {"no Config", noConfig, "The database has no table 'Config'."},
        {"no Archnum", noArchnum, "The table 'Clid' has no column 'Archnum'."},
        {"station not a byte", textStation,
         "The value '12a' of column 'Clid_Station' is not a number from 0 to 255."},
    };
    for (const Case& c : cases) {
        m_prompter.m_shown.clear();
        m_importer.m_records = {{1, "old", "old"}};
        EXPECT_EQ(Read(c.db), IMPORT_FAILED) << c.what;
        EXPECT_TRUE(m_importer.m_records.empty()) << c.what;
        EXPECT_EQ(
            m_prompter.Texts(),
            (std::vector<std::string>{"trouble with Clids or sysconfig database table", c.reason}))
            << c.what;
    }
}

TEST_F(DatabaseImporterTest, FilesThatAreNoDatabaseAreRefused) {
    const std::string missing = m_dir.PathOf("missing.mdb");
    const std::string empty = m_dir.Write("empty.mdb", "");
    const std::string text = m_dir.Write("notes.mdb", std::string(10000, 'x'));
    std::string truncated = SiteDatabase(0, Stations(3)).Bytes();
    truncated.resize(3 * J::kPageSize);
    const std::string cut = m_dir.Write("cut.mdb", truncated);
    const std::pair<std::string, std::string> cases[] = {
        {missing, "Could not find file '" + missing + "'."},
        {empty, "'" + empty + "' is not a Jet/Access database that can be read."},
        {text, "'" + text + "' is not a Jet/Access database that can be read."},
        {m_dir.Folder(), "Could not find file '" + m_dir.Folder() + "'."},
    };
    for (const auto& [path, reason] : cases) {
        m_prompter.m_shown.clear();
        EXPECT_EQ(m_importer.Read(path), IMPORT_FAILED) << path;
        EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"db open error", reason})) << path;
    }
    m_prompter.m_shown.clear();
    EXPECT_EQ(m_importer.Read(cut), IMPORT_FAILED);
    EXPECT_FALSE(m_prompter.m_shown.empty());
    EXPECT_TRUE(m_importer.m_records.empty());
}

TEST_F(DatabaseImporterTest, AFileThatCrashesTheEngineIsRefused) {
    // Pages: 0 header, 1 unused, 2 catalog definition, 3 usage maps, 4 Config's
    // definition, 5 its data, 6 Clid's definition. Clid's usage map pointer
    // (offset 55) names row 4 of the map page; row 79 does not exist, and
    // mdbtools faults on it.
    std::string bytes = SiteDatabase(0, Stations(3)).Bytes();
    const size_t clidDefinition = 6 * J::kPageSize;
    ASSERT_EQ(bytes[clidDefinition], 0x02);
    ASSERT_EQ(bytes[clidDefinition + 55], 0x04);
    bytes[clidDefinition + 55] = 0x4F;
    const std::string path = m_dir.Write("damaged.mdb", bytes);

    m_importer.m_records = {{1, "old", "old"}};
    EXPECT_EQ(m_importer.Read(path), IMPORT_FAILED);
    EXPECT_TRUE(m_importer.m_records.empty());
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"trouble with Clids or sysconfig database table",
                                        "The database engine stopped while reading '" + path +
                                            "': the file is damaged."}));

    // The program goes on reading sound files afterwards.
    m_prompter.m_shown.clear();
    EXPECT_EQ(Read(SiteDatabase(0, Stations(2))), IMPORT_OK);
    EXPECT_EQ(m_importer.m_records.size(), 2u);
}

TEST(DatabaseText, Utf8BecomesLatin1) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {"B\xC3\xBCro", "B\xFCro"},
        {"\xE2\x82\xAC 5", "? 5"},    // the euro sign is beyond Latin-1
        {"\xF0\x9F\x98\x80!", "?!"},  // four bytes
        {"\xC3", "?"},                // cut short
        {"\x80x", "?x"},              // a stray continuation byte
        {"\xC5\x81", "?"},            // U+0141
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(Utf8ToLatin1(in), out) << in;
}

TEST(DatabaseText, ByteValuesWhateverTheDecimalSeparator) {
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"", 0},
        {"0", 0},
        {"3", 3},
        {"255", 255},
        {"3.000000", 3},
        {"3,000000", 3},
        {"1.", 1},
        {"256", std::nullopt},
        {"-1", std::nullopt},
        {"3.5", std::nullopt},
        {"x", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ParseByteValue(in), out) << in;
}

}  // namespace
