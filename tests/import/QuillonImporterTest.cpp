#include <gtest/gtest.h>

#include <tuple>

#include "import/CQuillonImporter.h"
#include "import/ImportMessages.h"
#include "import/QpxFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

using Record = std::tuple<int, std::string, std::string>;

std::vector<Record> Flatten(const std::vector<CImportRecord>& records) {
    std::vector<Record> out;
    for (const auto& r : records) out.emplace_back(r.m_nZoneId, r.m_strArch, r.m_strName);
    return out;
}

TEST(DialCode, NibblesLeastSignificantFirst) {
    const std::pair<uint16_t, const char*> cases[] = {
        {0xF101, "101"},  {0xFF21, "12"}, {0x2B11, "11*2"}, {0xFFFF, ""},    {0x0000, "0000"},
        {0xC987, "789#"}, {0x1A23, "32"}, {0x11D1, "1"},    {0xE111, "111"}, {0x3B2C, "#2*3"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(DecodeDialCode(value), text) << value;
}

// The four versions share every case: only the position of the blocks differs.
class QuillonVersionTest : public ::testing::TestWithParam<uint32_t> {
protected:
    std::vector<Record> ReadFile(const std::string& bytes, ImportStatus expected = IMPORT_OK) {
        const std::string path = m_dir.Write("site.qpx", bytes);
        EXPECT_EQ(m_importer.Read(path), expected);
        return Flatten(m_importer.m_records);
    }
    QpxFile File() const { return QpxFile(GetParam()); }

    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CQuillonImporter m_importer{m_prompter};
};

TEST_P(QuillonVersionTest, TheWholeFileHasTheLengthOfItsVersion) {
    EXPECT_EQ(File().Bytes().size(), GetParam() == 1 ? 1986u : 1994u);
}

TEST_P(QuillonVersionTest, ZonesWithCodesBecomeRecordsInZoneOrder) {
    const auto records =
        ReadFile(File().Zone(0, 0x00, 0xF101).Zone(1, 0x10, 0x2B11).Zone(2, 0x30, 0xFF21).Bytes());
    EXPECT_EQ(records, (std::vector<Record>{{0, "101", ""}, {1, "11*2", ""}, {2, "12", ""}}));
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

TEST_P(QuillonVersionTest, AnEmptyCodeStopsTheScan) {
    EXPECT_TRUE(ReadFile(File().Zone(0, 0x00, 0xFFFF).Zone(1, 0x00, 0xF201).Bytes()).empty());
    EXPECT_EQ(ReadFile(File().Zone(0, 0x00, 0xF101).Zone(2, 0x00, 0xF301).Bytes()),
              (std::vector<Record>{{0, "101", ""}}));
}

TEST_P(QuillonVersionTest, AnOutOfUseZoneIsSkippedWithoutStoppingTheScan) {
    const auto records = ReadFile(File()
                                      .Zone(0, 0x00, 0xF101)
                                      .Zone(1, 0x00, 0xF201)
                                      .Zone(2, 0x00, 0xF301)
                                      .Zone(3, 0x20, 0xF401)
                                      .Zone(4, 0xEF, 0xF501)  // 0x20 among other bits
                                      .Zone(5, 0x00, 0xF601)
                                      .Bytes());
    EXPECT_EQ(records, (std::vector<Record>{
                           {0, "101", ""}, {1, "102", ""}, {2, "103", ""}, {5, "106", ""}}));
}

TEST_P(QuillonVersionTest, AllZonesAreReadAndTheRestOfTheTableIsNot) {
    QpxFile file = File();
    for (int z = 0; z < 136; ++z)
        file.Zone(z, 0x00, static_cast<uint16_t>(0xF000 | (z % 10) << 8 | 0x11));
    for (int i = 136; i < 233; ++i) file.Code(i, 0xF999);
    const auto records = ReadFile(file.Bytes());
    ASSERT_EQ(records.size(), 136u);
    EXPECT_EQ(records[0], Record(0, "110", ""));
    EXPECT_EQ(records[135], Record(135, "115", ""));
}

TEST_P(QuillonVersionTest, ATruncatedFileGivesTheZonesWhoseBytesArePresent) {
    const std::string whole =
        File().Zone(0, 0x00, 0xF101).Zone(1, 0x00, 0xF201).Zone(2, 0x00, 0xF301).Bytes();
    const size_t dialTable = GetParam() == 1 ? 1520 : 1528;
    // Zone 2's code cut in half.
    EXPECT_EQ(ReadFile(whole.substr(0, dialTable + 5)),
              (std::vector<Record>{{0, "101", ""}, {1, "102", ""}}));
    // Cut inside the zone table.
    EXPECT_TRUE(ReadFile(whole.substr(0, 100)).empty());
    EXPECT_TRUE(m_prompter.m_shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Versions, QuillonVersionTest, ::testing::Values(1u, 2u, 3u, 4u));

class QuillonImporterTest : public ::testing::Test {
protected:
    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CQuillonImporter m_importer{m_prompter};
};

TEST_F(QuillonImporterTest, TheExtraFieldOfVersionTwoMovesEveryBlock) {
    // A version 1 layout labelled as version 2: the blocks are read 8 bytes
    // too far on, so zone 0's code is taken from zone 4's place.
    std::string bytes = QpxFile(1).Zone(0, 0x00, 0xF101).Zone(4, 0x00, 0xF501).Bytes();
    bytes[0] = 2;
    bytes += std::string(8, '\xFF');
    const std::string path = m_dir.Write("moved.qpx", bytes);
    ASSERT_EQ(m_importer.Read(path), IMPORT_OK);
    EXPECT_EQ(Flatten(m_importer.m_records), (std::vector<Record>{{0, "105", ""}}));
}

TEST_F(QuillonImporterTest, UnsupportedVersionsAreRefused) {
    for (uint32_t version : {0u, 5u, 0x01000001u}) {
        m_prompter.m_shown.clear();
        m_importer.m_records = {{1, "x", "y"}};
        const std::string path =
            m_dir.Write("v.qpx", QpxFile(version).Zone(0, 0x00, 0xF101).Bytes());
        EXPECT_EQ(m_importer.Read(path), IMPORT_FAILED);
        EXPECT_TRUE(m_importer.m_records.empty());
        ASSERT_EQ(m_prompter.m_shown.size(), 1u);
        EXPECT_EQ(m_prompter.m_shown[0].m_strText,
                  "Unsupported file version -- terminating file read");
        EXPECT_EQ(m_prompter.m_shown[0].m_icon, PromptIcon::Error);
    }
}

TEST_F(QuillonImporterTest, AFileTooShortForItsVersionIsRefused) {
    const std::string path = m_dir.Write("short.qpx", std::string("\x01\x00", 2));
    EXPECT_EQ(m_importer.Read(path), IMPORT_FAILED);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{ImportMessages::kUnsupportedVersion});
}

TEST_F(QuillonImporterTest, AMissingFileNamesThePath) {
    const std::string path = m_dir.PathOf("absent.qpx");
    EXPECT_EQ(m_importer.Read(path), IMPORT_FAILED);
    EXPECT_TRUE(m_importer.m_records.empty());
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"unable to open file " + path});
    EXPECT_EQ(m_prompter.m_shown[0].m_buttons, PromptButtons::Ok);
}

}  // namespace
