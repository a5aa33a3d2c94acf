#include <gtest/gtest.h>

#include <tuple>

#include "import/CLunettaImporter.h"
#include "import/ImportMessages.h"
#include "import/LunettaFolder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

using namespace LunettaFolder;
using Record = std::tuple<int, std::string, std::string>;

std::vector<Record> Flatten(const std::vector<CImportRecord>& records) {
    std::vector<Record> out;
    for (const auto& r : records) out.emplace_back(r.m_nZoneId, r.m_strArch, r.m_strName);
    return out;
}

const std::array<int32_t, 4> kDefaultAdmins{501, 502, 503, 504};

class LunettaImporterTest : public ::testing::Test {
protected:
    // Boards whose line holds "0" are installed; every other board line says "1".
    void InstallBoards(std::initializer_list<int> boards) {
        std::vector<std::string> lines(15, "1");
        for (int b : boards) lines[b - 1] = "0";
        m_dir.Write("TDX_FILE.DAT", TdxFile(lines));
    }
    void WriteBoard(int board, const std::string& bytes) {
        m_dir.Write((board < 10 ? "tdx_bd0" : "tdx_bd") + std::to_string(board) + ".usr", bytes);
    }
    void WriteAdmins() { m_dir.Write("tdx_admn.usr", AdminFile({{5, 1}, {5, 2}, {5, 3}, {5, 4}})); }
    ImportStatus Read(const std::string& picked = "TDX_FILE.DAT") {
        return m_importer.Read(m_dir.PathOf(picked));
    }

    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CLunettaImporter m_importer{m_prompter};
};

TEST(PackedBcd, NibblesCountAtFaceValue) {
    EXPECT_EQ(DecodePackedBcd(0x01, 0x01), 101);
    EXPECT_EQ(DecodePackedBcd(0x12, 0x34), 1234);
    EXPECT_EQ(DecodePackedBcd(0xFF, 0xFF), 16665);
    EXPECT_EQ(DecodePackedBcd(0xFF, 0x00), 16500);
    EXPECT_EQ(DecodePackedBcd(0x00, 0x0A), 10);
}

TEST_F(LunettaImporterTest, SlotsBecomeRecordsWithFormattedNumbersAndNames) {
    InstallBoards({1});
    WriteAdmins();
    WriteBoard(1, BoardFile({
                      {0x01, 0x01, "Lobby"},
                      {0x12, 0x34, "ABCDEFGHIJKLMNO"},
                      {0xFF, 0xFF, "unused"},
                      {0xFF, 0x00, "Odd"},
                      {0x00, 0x07, std::string("AB\0CD", 5)},
                      {0x09, 0x99, "Hall   "},
                      {0xFF, 0xFF, ""},
                  }));
    ASSERT_EQ(Read(), IMPORT_OK);
    const auto records = Flatten(m_importer.m_records);
    ASSERT_EQ(records.size(), 24u);
    const std::vector<Record> first = {
        {0, " 101", "Lobby"},  {1, "1234", "ABCDEFGHIJKLMNO"},
        {2, "*999", "unused"}, {3, "16500", "Odd"},
        {4, "   7", "AB"},     {5, " 999", "Hall   "},
        {6, "*998", ""},       {7, "*997", ""},
    };
    EXPECT_EQ(std::vector<Record>(records.begin(), records.begin() + 8), first);
    EXPECT_EQ(records.back(), Record(23, "*981", ""));
    EXPECT_EQ(m_importer.m_adminArch, kDefaultAdmins);
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST_F(LunettaImporterTest, RunningNumbersAndEmptySlotCounterContinueAcrossBoards) {
    InstallBoards({2, 5});
    WriteAdmins();
    WriteBoard(2, BoardFile({{0x02, 0x01, "Two"}, {0xFF, 0xFF, ""}}));
    WriteBoard(5, BoardFile({{0x05, 0x01, "Five"}}));
    WriteBoard(1, BoardFile({{0x09, 0x09, "not installed"}}));
    ASSERT_EQ(Read(), IMPORT_OK);
    const auto records = Flatten(m_importer.m_records);
    ASSERT_EQ(records.size(), 48u);
    EXPECT_EQ(records[0], Record(0, " 201", "Two"));
    EXPECT_EQ(records[1], Record(1, "*999", ""));
    EXPECT_EQ(records[23], Record(23, "*977", ""));
    EXPECT_EQ(records[24], Record(24, " 501", "Five"));
    EXPECT_EQ(records[25], Record(25, "*976", ""));
    EXPECT_EQ(records[47], Record(47, "*954", ""));
    EXPECT_EQ(m_importer.m_boardPresent,
              (std::array<int32_t, 15>{0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(LunettaImporterTest, ABoardIsInstalledWhenItsLineHoldsAZero) {
    struct Case {
        std::vector<std::string> lines;
        std::array<int32_t, 15> present;
    };
    const Case cases[] = {
        {{"10", "0x", "1", "", "x0y"}, {1, 1, 0, 0, 1}},
        {{"1", "1", "0"}, {0, 0, 1}},  // boards of missing lines are not installed
        {{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "0", "0"},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},  // line 20 is not a board
    };
    WriteAdmins();
    for (int b = 1; b <= 15; ++b) WriteBoard(b, BoardFile({}));
    for (const Case& c : cases) {
        m_dir.Write("TDX_FILE.DAT", TdxFile(c.lines));
        EXPECT_EQ(Read(), IMPORT_OK);
        EXPECT_EQ(m_importer.m_boardPresent, c.present);
        int installed = 0;
        for (int32_t p : c.present) installed += p;
        EXPECT_EQ(m_importer.m_records.size(), 24u * installed);
        EXPECT_EQ(m_importer.m_records.front().m_strArch, "*999") << "counter restarts per read";
    }
}

TEST_F(LunettaImporterTest, AdministratorNumbersAreDecodedLikeStations) {
    InstallBoards({1});
    WriteBoard(1, BoardFile({}));
    m_dir.Write("tdx_admn.usr",
                AdminFile({{0x05, 0x01}, {0x12, 0x34}, {0x00, 0x10}, {0xFF, 0x00}}));
    ASSERT_EQ(Read(), IMPORT_OK);
    EXPECT_EQ(m_importer.m_adminArch, (std::array<int32_t, 4>{501, 1234, 10, 16500}));
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST_F(LunettaImporterTest, UnprogrammedAdministratorSlotsTakeTheirDefaultsAndSaySo) {
    InstallBoards({1});
    WriteBoard(1, BoardFile({}));
    m_dir.Write("tdx_admn.usr",
                AdminFile({{0x07, 0x01}, {0xFF, 0xFF}, {0x07, 0x03}, {0xFF, 0xFF}}));
    ASSERT_EQ(Read(), IMPORT_OK);
    EXPECT_EQ(m_importer.m_adminArch, (std::array<int32_t, 4>{701, 502, 703, 504}));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{
                  "The Lunetta administrator file leaves these administrator slots unprogrammed; "
                  "the default Arch Numbers were used:\n  Video Out 2: 502\n  Video Out 4: 504"});
}

TEST_F(LunettaImporterTest, AShortAdministratorFileKeepsDefaultsForMissingNumbers) {
    InstallBoards({1});
    WriteBoard(1, BoardFile({}));
    // Two whole records, then a third cut after its first number byte.
    m_dir.Write("tdx_admn.usr", AdminFile({{0x07, 0x01}, {0x07, 0x02}}) + "\x5A\x07");
    ASSERT_EQ(Read(), IMPORT_OK);
    EXPECT_EQ(m_importer.m_adminArch, (std::array<int32_t, 4>{701, 702, 503, 504}));
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST_F(LunettaImporterTest, MissingAdministratorFileWarnsAndUsesDefaults) {
    InstallBoards({1});
    WriteBoard(1, BoardFile({{0x01, 0x01, "A"}}));
    ASSERT_EQ(Read(), IMPORT_OK);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{
                  "Error   unable to open Lunetta administrator file.  The default values were "
                  "used for the administrator arch number order."});
    EXPECT_EQ(m_prompter.m_shown[0].m_buttons, PromptButtons::Ok);
    EXPECT_EQ(m_importer.m_adminArch, kDefaultAdmins);
    EXPECT_EQ(m_importer.m_records.size(), 24u);
}

TEST_F(LunettaImporterTest, MissingTdxFileFailsAfterTheAdministratorsWereRead) {
    WriteBoard(1, BoardFile({}));
    EXPECT_EQ(Read("tdx_bd01.usr"), IMPORT_FAILED);
    EXPECT_TRUE(m_importer.m_records.empty());
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{ImportMessages::kAdminFileMissing,
                                        "unable to open file " + m_dir.PathOf("TDX_FILE.DAT")}));
    EXPECT_EQ(m_importer.m_adminArch, kDefaultAdmins);
}

TEST_F(LunettaImporterTest, NoInstalledBoardGivesNoBoards) {
    WriteAdmins();
    InstallBoards({});
    WriteBoard(1, BoardFile({}));
    EXPECT_EQ(Read(), IMPORT_NO_BOARDS);
    EXPECT_TRUE(m_importer.m_records.empty());
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"The Lunetta files in " + m_dir.Folder() +
                                       " name no installed station board."});
}

TEST_F(LunettaImporterTest, MissingBoardFileFailsKeepingEarlierBoards) {
    WriteAdmins();
    InstallBoards({1, 3, 4});
    WriteBoard(1, BoardFile({{0x01, 0x01, "One"}}));
    WriteBoard(4, BoardFile({}));
    EXPECT_EQ(Read(), IMPORT_FAILED);
    ASSERT_EQ(m_importer.m_records.size(), 24u);
    EXPECT_EQ(m_importer.m_records[0].m_strArch, " 101");
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"unable to open file " + m_dir.PathOf("tdx_bd03.usr")});
}

TEST_F(LunettaImporterTest, AShortBoardFileGivesEmptySlotsForWhatIsMissing) {
    WriteAdmins();
    InstallBoards({1, 2});
    // Board 1: slot 0 whole, the file ends inside slot 1's name.
    WriteBoard(1,
               SlotBytes({0x01, 0x01, "Whole"}) + SlotBytes({0x01, 0x02, "Partial"}).substr(0, 14));
    // Board 2: the file ends after the first byte of slot 0's number.
    WriteBoard(2, "\x5A\x02");
    ASSERT_EQ(Read(), IMPORT_OK);
    const auto records = Flatten(m_importer.m_records);
    ASSERT_EQ(records.size(), 48u);
    EXPECT_EQ(records[0], Record(0, " 101", "Whole"));
    EXPECT_EQ(records[1], Record(1, " 102", "Part"));
    EXPECT_EQ(records[2], Record(2, "*999", ""));
    EXPECT_EQ(records[23], Record(23, "*978", ""));
    EXPECT_EQ(records[24], Record(24, "*977", ""));
    EXPECT_EQ(records[47], Record(47, "*954", ""));
}

TEST_F(LunettaImporterTest, AFolderMayBePickedItself) {
    WriteAdmins();
    InstallBoards({1});
    WriteBoard(1, BoardFile({{0x04, 0x04, "Dir"}}));
    for (const std::string& picked :
         {m_dir.Folder(), m_dir.Folder().substr(0, m_dir.Folder().size() - 1)}) {
        ASSERT_EQ(m_importer.Read(picked), IMPORT_OK) << picked;
        EXPECT_EQ(m_importer.m_strFolder, m_dir.Folder());
        EXPECT_EQ(m_importer.m_records[0].m_strArch, " 404");
    }
}

TEST_F(LunettaImporterTest, FileNamesAreFoundIgnoringLetterCase) {
    std::vector<std::string> lines(15, "1");
    lines[0] = "0";
    m_dir.Write("tdx_file.dat", TdxFile(lines));
    m_dir.Write("TDX_ADMN.USR", AdminFile({{5, 11}, {5, 12}, {5, 13}, {5, 14}}));
    m_dir.Write("Tdx_Bd01.Usr", BoardFile({{0x03, 0x03, "Case"}}));
    ASSERT_EQ(Read("anything.usr"), IMPORT_OK);
    EXPECT_EQ(m_importer.m_records[0].m_strArch, " 303");
    EXPECT_EQ(m_importer.m_adminArch[0], 511);
    EXPECT_EQ(m_importer.m_strFolder, m_dir.Folder());
}

}  // namespace
