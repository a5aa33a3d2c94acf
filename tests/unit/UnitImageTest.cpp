#include <gtest/gtest.h>

#include "SmallSite.h"
#include "model/TrimText.h"
#include "support/Bytes.h"
#include "unit/ArchValue.h"
#include "unit/BuildUnitImage.h"
#include "unit/DecodeUnitImage.h"
#include "unit/UnitMessages.h"

namespace {

class UnitImageTest : public ::testing::Test {
protected:
    void SetUp() override { MakeSmallSite(m_doc, m_tree); }

    bool Decode(const std::vector<uint8_t>& image, int rows = 1) {
        m_prompter.m_unitModelAnswers.push_back({{rows, 0}, true});
        return DecodeUnitImage(image, m_read, m_readTree, m_prompter, m_password);
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    CZRTProDoc m_read;
    MemoryTree m_readTree;
    std::string m_password = "unchanged";
};

}  // namespace

TEST(ArchValue, ValuesAreBaseTwelveReadFromTheRight) {
    const struct {
        const char* arch;
        int value;
    } cases[] = {{"1234", 2056},
                 {"#*", 142},
                 {"0045", 53},
                 {"45", 53},
                 {"012", 14},
                 {" 12 ", 14},
                 {"0", 0},
                 {"####", 20735},
                 {"*", 10},
                 {"", kArchInvalid},
                 {"   ", kArchInvalid},
                 {"12345", kArchInvalid},
                 {"12a", kArchInvalid},
                 {"1 2", kArchInvalid},
                 {"-1", kArchInvalid}};
    for (const auto& c : cases) EXPECT_EQ(ArchToIndex(c.arch), c.value) << '"' << c.arch << '"';
}

TEST(ArchValue, TextBackDropsLeadingZerosOnly) {
    const struct {
        int value;
        const char* arch;
    } cases[] = {{2056, "1234"},  {142, "#*"},    {53, "45"}, {0, "0"},
                 {20735, "####"}, {1728, "1000"}, {12, "10"}, {1738, "100*"}};
    for (const auto& c : cases) EXPECT_EQ(IndexToArch(c.value), c.arch) << c.value;
}

TEST(ArchValue, FieldIsRightAlignedWithANul) {
    const struct {
        const char* arch;
        std::string field;
    } cases[] = {{"12", Bytes().u8({0x20, 0x20, 0x31, 0x32, 0x00})},
                 {" 7 ", Bytes().u8({0x20, 0x20, 0x20, 0x37, 0x00})},
                 {"#*09", Bytes().u8({0x23, 0x2A, 0x30, 0x39, 0x00})},
                 {"", Bytes().u8({0x20, 0x20, 0x20, 0x20, 0x00})}};
    for (const auto& c : cases) {
        uint8_t out[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        FormatArchField(c.arch, out);
        EXPECT_EQ(std::string(out, out + 5), c.field) << c.arch;
        EXPECT_EQ(out[5], 0xEE) << "wrote past the field";
        EXPECT_EQ(ArchFieldText(out), Trim(c.arch, kBlanks));
    }
}

TEST_F(UnitImageTest, SmallSiteGivesExactlyTheHandWorkedCells) {
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    ASSERT_EQ(image.size(), 65536u);
    EXPECT_EQ(DifferingCells(image, SmallSiteImage()), std::vector<size_t>{});
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(UnitImageTest, DecodeGivesTheModelBack) {
    m_read.SetPathName("/sites/old.zrt");
    m_read.m_bConflicts = 1;
    ASSERT_TRUE(Decode(SmallSiteImage()));
    EXPECT_EQ(m_prompter.m_unitModelAsks, std::vector<bool>{false});
    EXPECT_TRUE(m_prompter.Texts().empty());

    ASSERT_EQ(m_read.NodeCount(), 7);
    const struct {
        const char* arch;
        const char* name;
        int zone, inputCode, signedCode;
    } inputs[] = {{"9999", "Lobby", -1, 0, -3000},
                  {"21", "Hall", 7, 32, 32},
                  {"#*", "Gym            ", 300, 64, 64},
                  {"1234", "", 9, 96, 96}};
    for (int k = 0; k < 4; ++k) {
        const CConfigNode& n = m_read.m_nodes[3 + k];
        EXPECT_EQ(n.m_strArch, inputs[k].arch) << k;
        EXPECT_EQ(n.m_strOrigArch, inputs[k].arch) << k;
        EXPECT_EQ(n.m_strName, inputs[k].name) << k;
        EXPECT_EQ(n.m_strOrigName, inputs[k].name) << k;
        EXPECT_EQ(n.m_nZoneId, inputs[k].zone) << k;
        EXPECT_EQ(n.m_nOrigZoneId, inputs[k].zone) << k;
        EXPECT_EQ(n.m_nInputCode, inputs[k].inputCode) << k;
        EXPECT_EQ(n.m_nSignedCode, inputs[k].signedCode) << k;
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m_read.m_nodes[k].m_strArch, m_doc.m_nodes[k].m_strArch);
        EXPECT_EQ(m_read.m_nodes[k].m_nOrigZoneId, -2);
        EXPECT_EQ(m_read.m_nodes[k].m_nInputCode, -1000);
        EXPECT_EQ(m_read.m_nodes[k].m_nSignedCode, -1);
    }
    // The released number comes back as a non-pageable pool entry.
    const std::vector<CZoneEntry> zones = {{"30", "Store", 12}, {"9998", "Old", -32768}};
    EXPECT_EQ(m_read.m_zones, zones);
    EXPECT_EQ(m_read.m_idleLoop, m_doc.m_idleLoop);
    EXPECT_EQ(m_read.m_bIdleNoVideo, 1);
    EXPECT_EQ(m_read.m_nIdleDelay, 5);
    EXPECT_EQ(m_read.m_nPriority, 1);
    EXPECT_EQ(m_read.m_nPagingSystem, kPagingQuillon);
    EXPECT_EQ(m_read.m_nDialDigits, 3);
    EXPECT_EQ(m_read.m_byTimeRefresh, 3);
    EXPECT_EQ(m_read.m_adminArch, m_doc.m_adminArch);
    EXPECT_EQ(m_read.m_nCiuCount, 0);
    EXPECT_EQ(m_read.m_nPortCount, 4);
    EXPECT_EQ(m_read.m_nConfigSource, kSourceUnit);
    EXPECT_EQ(m_password, "");
    EXPECT_EQ(m_read.m_bConflicts, 0);

    EXPECT_EQ(m_read.GetTitle(), "untitled");
    EXPECT_EQ(m_read.GetPathName(), "");
    EXPECT_FALSE(m_read.IsModified());
    EXPECT_TRUE(m_read.m_bTreeBuilt);
    EXPECT_EQ(m_readTree.ItemText(m_readTree.RootItem()), "untitled System");
    EXPECT_EQ(m_readTree.ItemText(m_read.m_nodes[4].m_hItem), "Input 2, 21  Hall");
    EXPECT_EQ(m_readTree.Get(m_read.m_nodes[3].m_hItem).m_nImage, kImageNonPageable);
}

TEST_F(UnitImageTest, LeadingZerosComeBackFromTheReconRecord) {
    m_doc.m_nodes[4].m_strArch = m_doc.m_nodes[4].m_strOrigArch = "0045";
    m_doc.m_nodes[5].m_strArch = m_doc.m_nodes[5].m_strOrigArch = "001";
    m_doc.m_idleLoop = {"0045", "001"};
    m_doc.m_zones[0].m_strArch = "030";
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(image[53], 0x20);  // 0045 = 4*12 + 5, the cell of 45
    EXPECT_EQ(image[1], 0x40);   // 001 = 1
    EXPECT_EQ(image[25], 0xFF);
    // The records keep the text as written; the idle records too.
    EXPECT_EQ(std::string(image.begin() + 0x5208, image.begin() + 0x5208 + 24),
              Bytes().i16(7).u8({0x20}).raw("0045").u8({0}).raw(Name("Hall")).data());
    EXPECT_EQ(std::string(image.begin() + 0x5220, image.begin() + 0x5220 + 8),
              Bytes().i16(300).u8({0x40}).raw(" 001").u8({0}).data());
    EXPECT_EQ(std::string(image.begin() + 0x8000, image.begin() + 0x800E),
              Bytes().u8({0x20, 0xA1}).raw("0045").u8({0, 0x40, 0xA1}).raw(" 001").u8({0}).data());

    ASSERT_TRUE(Decode(image));
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(m_read.m_nodes[4].m_strArch, "0045");
    EXPECT_EQ(m_read.m_nodes[4].m_strOrigArch, "0045");
    EXPECT_EQ(m_read.m_nodes[4].m_strName, "Hall");
    EXPECT_EQ(m_read.m_nodes[5].m_strArch, "001");
    EXPECT_EQ(m_read.m_nodes[5].m_strName, "Gym            ");
    EXPECT_EQ(m_read.m_idleLoop, (std::vector<std::string>{"0045", "001"}));
    // No phantom number: the zones are the configuration's own.
    const std::vector<CZoneEntry> zones = {{"030", "Store", 12}, {"9998", "Old", -32768}};
    EXPECT_EQ(m_read.m_zones, zones);
    // Written again, the unit gets the same bytes.
    ScriptedPrompter again;
    EXPECT_EQ(DifferingCells(BuildUnitImage(m_read, again), image), std::vector<size_t>{});
    EXPECT_TRUE(again.Texts().empty());
}

TEST_F(UnitImageTest, ReconRecordOfAnotherValueStaysAZone) {
    // A record whose number has no input of its value is a zone, as before.
    std::vector<uint8_t> image = SmallSiteImage();
    const std::string record = Bytes().i16(5).u8({0x20}).raw("0021").u8({0}).raw(Name("Twin"));
    std::copy(record.begin(), record.end(), image.begin() + 0x5298);
    const std::string stray = Bytes().i16(6).u8({0x20}).raw(" 022").u8({0}).raw(Name("Stray"));
    std::copy(stray.begin(), stray.end(), image.begin() + 0x52B0);
    ASSERT_TRUE(Decode(image));
    // "0021" has the value of input 2's "21": the later record names the input.
    EXPECT_EQ(m_read.m_nodes[4].m_strArch, "0021");
    EXPECT_EQ(m_read.m_nodes[4].m_strName, "Twin");
    EXPECT_EQ(m_read.m_zones.back(), (CZoneEntry{"022", "Stray", 6}));
}

TEST_F(UnitImageTest, PageableInputWithZoneIdEndingInFfffStaysPageable) {
    // An M-7700 station 0 has the zone id -1; 0x8000 in the low bits would
    // mark the input non-pageable as well.
    const struct {
        int32_t zoneId;
        int32_t readBack;
    } cases[] = {{-1, -2}, {65535, -2}, {-32768, -2}, {32768, -2}, {-2, -2}, {7, 7}};
    for (const auto& c : cases) {
        m_doc.m_nodes[4].m_nZoneId = m_doc.m_nodes[4].m_nOrigZoneId = c.zoneId;
        const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
        const uint16_t field = static_cast<uint16_t>(image[0x5208] | image[0x5209] << 8);
        EXPECT_EQ(field, c.readBack == 7 ? 0x0007 : 0xFFFE) << c.zoneId;
        ASSERT_TRUE(Decode(image)) << c.zoneId;
        const CConfigNode& hall = m_read.m_nodes[4];
        EXPECT_FALSE(hall.IsNonPageable()) << c.zoneId;
        EXPECT_EQ(hall.m_nSignedCode, 32) << c.zoneId;
        EXPECT_EQ(hall.m_nZoneId, c.readBack) << c.zoneId;
        EXPECT_EQ(hall.m_strName, "Hall") << c.zoneId;
        // Every record after it is still read.
        EXPECT_EQ(m_read.m_nodes[3].m_strName, "Lobby") << c.zoneId;
        EXPECT_EQ(m_read.m_zones.size(), 2u) << c.zoneId;
    }
}

TEST_F(UnitImageTest, NamesReadPassTheNameRule) {
    std::vector<uint8_t> image = SmallSiteImage();
    const std::string hall = Bytes().raw("Ha\tl\x7F\x85").raw("\xFC").u8({0}).data();
    std::copy(hall.begin(), hall.end(), image.begin() + 0x5208 + 8);
    const std::string store = Bytes().raw("St\rre\n").u8({0}).data();
    std::copy(store.begin(), store.end(), image.begin() + 0x5250 + 8);
    ASSERT_TRUE(Decode(image));
    EXPECT_EQ(m_read.m_nodes[4].m_strName, "Ha l  \xFC");
    EXPECT_EQ(m_read.m_nodes[4].m_strOrigName, "Ha l  \xFC");
    EXPECT_EQ(m_read.m_zones[0].m_strName, "St re ");
}

TEST_F(UnitImageTest, PagingCodeZeroReadsAsNoPagingSystemWhateverWasOpen) {
    std::vector<uint8_t> image = SmallSiteImage();
    image[0xFFDE] = 0x00;
    for (int before : {kPagingQuillon, kPagingLunetta, kPagingM7700}) {
        m_read.m_nPagingSystem = before;
        m_read.m_nDialDigits = before == kPagingQuillon ? 2 : 3;
        m_read.m_nPriority = 3;
        m_read.m_strImportPath = "/old/TDX_FILE.DAT";
        ASSERT_TRUE(Decode(image));
        EXPECT_EQ(m_read.m_nPagingSystem, kPagingNone) << before;
        EXPECT_EQ(m_read.m_nDialDigits, 0) << before;
        EXPECT_EQ(m_read.m_nPriority, 1);
        EXPECT_EQ(m_read.m_strImportPath, "");
    }
    // Written back, the unit keeps its code 0, with no message about digits.
    const std::vector<uint8_t> again = BuildUnitImage(m_read, m_prompter);
    EXPECT_EQ(again[0xFFDE], 0x00);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(std::string(again.begin() + 0xFFF9, again.begin() + 0xFFFD),
              Bytes().u8({0x57, 0xFD, 0x00, 0xFE}).data());
}

TEST_F(UnitImageTest, AdministratorsBeyondTheVideoOutsAreWrittenSoTheUnitAcceptsThem) {
    // A four-port unit has Video Out 1 and 2; entries 3 and 4 are kept as
    // read in the configuration, and the unit gets their defaults.
    m_doc.m_adminArch = {7, 9999, 16665, -1};
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(std::string(image.begin() + 0xFFE0, image.begin() + 0xFFF4), Bytes()
                                                                               .raw("   7")
                                                                               .u8({0})
                                                                               .raw("9999")
                                                                               .u8({0})
                                                                               .raw(" 503")
                                                                               .u8({0})
                                                                               .raw(" 504")
                                                                               .u8({0})
                                                                               .data());
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{7, 9999, 16665, -1}));
    ASSERT_TRUE(Decode(image));
    EXPECT_EQ(m_read.m_adminArch, (std::array<int32_t, 4>{7, 9999, 503, 504}));
    // An eight-port unit has four Video Outs: its numbers are written as they are.
    m_doc.m_nPortCount = 8;
    m_doc.m_adminArch = {1, 2, 3, 4444};
    const std::vector<uint8_t> eight = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(std::string(eight.begin() + 0xFFEF, eight.begin() + 0xFFF4),
              Bytes().raw("4444").u8({0}).data());
}

TEST_F(UnitImageTest, ZeroArchNumberReadsBackAsZero) {
    m_doc.m_nodes[4].m_strArch = "0";
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(image[0], 0x20);
    ASSERT_TRUE(Decode(image));
    EXPECT_EQ(m_read.m_nodes[4].m_strArch, "0");
    EXPECT_EQ(m_read.m_nodes[4].m_strName, "Hall");
}

TEST_F(UnitImageTest, SameValueArchNumbersShareACellAndTheReadFails) {
    m_doc.m_nodes[4].m_strArch = "012";
    m_doc.m_nodes[5].m_strArch = "12";
    m_doc.m_idleLoop = {"12"};
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(image[14], 0x40);  // the later input keeps the cell

    m_read.SetPathName("/sites/kept.zrt");
    MakeSmallSite(m_read, m_readTree);
    m_read.SetModifiedFlag(true);
    const std::string before = m_read.m_nodes[4].m_strArch;
    EXPECT_FALSE(Decode(image));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{UnitMessages::kPortsUnmatched});
    // The configuration in the window stays whole.
    EXPECT_EQ(m_read.NodeCount(), 7);
    EXPECT_EQ(m_read.m_nodes[4].m_strArch, before);
    EXPECT_EQ(m_read.GetPathName(), "/sites/kept.zrt");
    EXPECT_EQ(m_password, "unchanged");
}

TEST_F(UnitImageTest, EmptyIdleLoopWritesOnlyTheTerminator) {
    m_doc.m_idleLoop.clear();
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(std::string(image.begin() + 0x8000, image.begin() + 0x8008),
              Bytes().u8({0xFF, 0x00}).raw("INVL").u8({0x00, 0xFF}).data());
    ASSERT_TRUE(Decode(image));
    EXPECT_TRUE(m_read.m_idleLoop.empty());
    EXPECT_EQ(m_read.m_bIdleNoVideo, 0);
}

TEST_F(UnitImageTest, RepeatedIdleEntriesGiveTwoRecordsAndUnknownOnesAreSkipped) {
    m_doc.m_idleLoop = {"21", "555", "21"};
    m_doc.m_bIdleNoVideo = 0;
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{UnitMessages::kIdleNotInTree});
    EXPECT_EQ(std::string(image.begin() + 0x8000, image.begin() + 0x8015), Bytes()
                                                                               .u8({0x20, 0x21})
                                                                               .raw("  21")
                                                                               .u8({0})
                                                                               .u8({0x20, 0x21})
                                                                               .raw("  21")
                                                                               .u8({0})
                                                                               .u8({0xFF, 0x00})
                                                                               .raw("INVL")
                                                                               .u8({0})
                                                                               .data());
}

TEST_F(UnitImageTest, UnknownDialPlanLeavesThePagingCodeErased) {
    m_doc.m_nDialDigits = 4;
    const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{UnitMessages::kNoDialDigits});
    EXPECT_EQ(image[0xFFDE], 0xFF);
    EXPECT_EQ(image[0xFFF9], 0xBA);  // the rest of the block is still written
}

TEST_F(UnitImageTest, PagingSystemCodesSignaturesAndPriorities) {
    const struct {
        int system, digits, priority;
        uint8_t code;
        std::string signature;
        uint8_t a, b;
    } cases[] = {
        {kPagingQuillon, 2, 1, 0x01, Bytes().u8({0xBA, 0xFF, 0xAF, 0xFF}), 0x03, 0x02},
        {kPagingQuillon, 3, 2, 0x02, Bytes().u8({0xBA, 0xFF, 0xAF, 0xFF}), 0x02, 0x03},
        {kPagingLunetta, 2, 3, 0x07, Bytes().u8({0xBB, 0xE7, 0xB9, 0xEF}), 0x03, 0x03},
        {kPagingLunetta, 3, 0, 0x07, Bytes().u8({0xBB, 0xE7, 0xB9, 0xEF}), 0x03, 0x03},
        {kPagingM7700, 2, 1, 0x03, Bytes().u8({0x57, 0xFD, 0x00, 0xFE}), 0x03, 0x02},
        {kPagingM7700, 3, 1, 0x04, Bytes().u8({0x57, 0xFD, 0x00, 0xFE}), 0x03, 0x02},
        {kPagingNone, 3, 1, 0x00, Bytes().u8({0x57, 0xFD, 0x00, 0xFE}), 0x03, 0x02},
        {9, 3, 1, 0xFF, Bytes().u8({0x57, 0xFD, 0x00, 0xFE}), 0x03, 0x02},
    };
    for (const auto& c : cases) {
        m_doc.m_nPagingSystem = c.system;
        m_doc.m_nDialDigits = c.digits;
        m_doc.m_nPriority = static_cast<int16_t>(c.priority);
        const std::vector<uint8_t> image = BuildUnitImage(m_doc, m_prompter);
        EXPECT_EQ(image[0xFFDE], c.code) << c.system << '/' << c.digits;
        EXPECT_EQ(std::string(image.begin() + 0xFFF9, image.begin() + 0xFFFD), c.signature);
        EXPECT_EQ(image[0xFFF6], c.a);
        EXPECT_EQ(image[0xFFF5], c.b);
    }
}

TEST_F(UnitImageTest, ReaderLooksAtTheLowThreeBitsOfThePagingCode) {
    const struct {
        int code, system, digits;
    } cases[] = {{0x00, kPagingNone, 0},    {0x08, kPagingNone, 0},   {0x01, kPagingQuillon, 2},
                 {0x02, kPagingQuillon, 3}, {0x03, kPagingM7700, 2},  {0x05, kPagingM7700, 2},
                 {0x04, kPagingM7700, 3},   {0x06, kPagingM7700, 3},  {0x07, kPagingLunetta, 3},
                 {0xF9, kPagingQuillon, 2}, {0xFF, kPagingLunetta, 3}};
    std::vector<uint8_t> image = SmallSiteImage();
    for (const auto& c : cases) {
        m_read.m_nPagingSystem = 9;
        m_read.m_nDialDigits = 9;
        image[0xFFDE] = static_cast<uint8_t>(c.code);
        ASSERT_TRUE(Decode(image));
        EXPECT_EQ(m_read.m_nPagingSystem, c.system) << c.code;
        EXPECT_EQ(m_read.m_nDialDigits, c.digits) << c.code;
    }
}

TEST_F(UnitImageTest, ReaderPriorityFromBothBytes) {
    const struct {
        uint8_t a, b;
        int priority;
    } cases[] = {
        {0x03, 0x02, 1}, {0x02, 0x03, 2}, {0x03, 0x03, 3}, {0xFF, 0xFF, 3}, {0x02, 0x02, 3}};
    std::vector<uint8_t> image = SmallSiteImage();
    for (const auto& c : cases) {
        image[0xFFF6] = c.a;
        image[0xFFF5] = c.b;
        ASSERT_TRUE(Decode(image));
        EXPECT_EQ(m_read.m_nPriority, c.priority);
    }
}

TEST_F(UnitImageTest, UnitsOccupyTheFirstPorts) {
    const struct {
        int rows, ciu, nodes;
        std::vector<int> codes;  // input codes of the inputs, in node order
    } cases[] = {
        {2, 0, 11, {0, 32, 64, 96, 128, 160, 192, 224}},
        {1, 0, 7, {0, 32, 64, 96}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> image(65536, 0xFF);
        for (size_t k = 0; k < c.codes.size(); ++k)
            image[100 + k] = static_cast<uint8_t>(c.codes[k]);
        image[0xFFDF] = static_cast<uint8_t>(c.ciu);
        image[0xFFE4] = image[0xFFE9] = image[0xFFEE] = image[0xFFF3] = 0x00;
        ASSERT_TRUE(Decode(image, c.rows));
        ASSERT_EQ(m_read.NodeCount(), c.nodes);
        std::vector<int> codes;
        for (int i = 3; i < m_read.NodeCount(); ++i)
            if (m_read.IsInput(i)) codes.push_back(m_read.m_nodes[i].m_nInputCode);
        EXPECT_EQ(codes, c.codes);
    }
}

TEST_F(UnitImageTest, TwoUnitsOnAFourPortUnit) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 2, 100);
    doc.m_nPagingSystem = kPagingLunetta;
    doc.m_nDialDigits = 3;
    const std::vector<uint8_t> image = BuildUnitImage(doc, m_prompter);
    EXPECT_EQ(image[0xFFDF], 2);
    ASSERT_TRUE(Decode(image, 1));
    ASSERT_EQ(m_read.NodeCount(), 3 + 4 + 48);
    EXPECT_EQ(m_read.m_nodes[3].m_nInputCode, -2000);
    EXPECT_EQ(m_read.m_nodes[3].m_nZoneId, -50000);
    EXPECT_EQ(m_read.m_nodes[3].m_nSignedCode, -1);
    EXPECT_EQ(m_read.m_nodes[4].m_nInputCode, 0);
    EXPECT_EQ(m_read.m_nodes[27].m_nInputCode, 23);
    EXPECT_EQ(m_read.m_nodes[28].m_nInputCode, -2000);
    EXPECT_EQ(m_read.m_nodes[52].m_nInputCode, 55);
    EXPECT_EQ(m_read.m_nodes[53].m_nInputCode, 64);
    EXPECT_EQ(m_read.m_nodes[54].m_nInputCode, 96);
    for (int i = 3; i < doc.NodeCount(); ++i) {
        EXPECT_EQ(m_read.m_nodes[i].m_strArch, doc.m_nodes[i].m_strArch) << i;
        EXPECT_EQ(m_read.m_nodes[i].m_nZoneId, doc.m_nodes[i].m_nZoneId) << i;
    }
    EXPECT_EQ(m_readTree.ItemText(m_read.m_nodes[30].m_hItem), "exp 2, inp 2, 126  ");
}

TEST_F(UnitImageTest, UnknownReconArchNumberBecomesAZone) {
    std::vector<uint8_t> image = SmallSiteImage();
    // The record of input 2 now names 77, which no input has; byte 2 still says 0x20.
    image[0x520B + 2] = '7';
    image[0x520B + 3] = '7';
    ASSERT_TRUE(Decode(image));
    EXPECT_EQ(m_read.m_zones.front(), (CZoneEntry{"77", "Hall", 7}));
    EXPECT_EQ(m_read.m_nodes[4].m_strArch, "21");
    EXPECT_EQ(m_read.m_nodes[4].m_strName, "");
    EXPECT_EQ(m_read.m_nodes[4].m_nZoneId, -1);
}

TEST_F(UnitImageTest, RefusedImagesLeaveTheDocumentAsItWas) {
    const auto badAdmin = [] {
        std::vector<uint8_t> image = SmallSiteImage();
        image[0xFFE9] = '1';
        return image;
    };
    const auto tooManyUnits = [] {
        std::vector<uint8_t> image = SmallSiteImage();
        image[0xFFDF] = 5;
        return image;
    };
    const auto endlessRecon = [] {
        std::vector<uint8_t> image = SmallSiteImage();
        for (size_t at = 0x5208; at < 0x8000; ++at) image[at] = 0x11;
        return image;
    };
    const struct {
        std::vector<uint8_t> image;
        std::string message;
    } cases[] = {
        {std::vector<uint8_t>(65537, 0xFF), UnitMessages::kImageTooLarge},
        {std::vector<uint8_t>(65536, 0xFF), UnitMessages::kUnitErased},
        {tooManyUnits(),
         "The M-4400 unit reports the number of expansion units to be 5\nThe number entered for "
         "rows on the M-4400 main unit is 1\n\n  Since 1 row allows only 4 expansion units, "
         "unable to continue."},
        {badAdmin(), UnitMessages::kBadAdminArch},
        {endlessRecon(), UnitMessages::kReconMissing},
    };
    for (const auto& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        MakeSmallSite(doc, tree);
        doc.SetPathName("/sites/kept.zrt");
        ScriptedPrompter prompter;
        prompter.m_unitModelAnswers.push_back({{1, 0}, true});
        std::string password = "kept";
        EXPECT_FALSE(DecodeUnitImage(c.image, doc, tree, prompter, password));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(doc.NodeCount(), 7);
        EXPECT_EQ(doc.m_zones.size(), 2u);
        EXPECT_EQ(doc.m_nIdleDelay, 5);
        EXPECT_EQ(doc.GetPathName(), "/sites/kept.zrt");
        EXPECT_EQ(password, "kept");
    }
}

TEST_F(UnitImageTest, ModelQuestionIsAskedUntilAnswered) {
    m_prompter.m_unitModelAnswers = {{{2, 0}, false}, {{2, 0}, false}, {{2, 3}, true}};
    std::vector<uint8_t> image = SmallSiteImage();
    for (int k = 0; k < 4; ++k) image[200 + k] = static_cast<uint8_t>(128 + 32 * k);
    ASSERT_TRUE(DecodeUnitImage(image, m_read, m_readTree, m_prompter, m_password));
    EXPECT_EQ(m_prompter.m_unitModelAsks, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(m_read.m_nPortCount, 8);
    EXPECT_EQ(m_read.m_nCiuCount, 0);  // the unit's own count, not the dialog's
}

TEST_F(UnitImageTest, IdleListWithoutTerminatorEndsAtTheSettingsBlock) {
    std::vector<uint8_t> image = SmallSiteImage();
    for (size_t at = 0x8000; at + 7 <= 0xFFCF; at += 7) {
        const std::string record = Bytes().u8({0x20, 0x61}).raw("  21").u8({0});
        std::copy(record.begin(), record.end(), image.begin() + static_cast<long>(at));
    }
    ASSERT_TRUE(Decode(image));
    EXPECT_EQ(m_read.m_idleLoop.size(), 4674u);  // (0xFFCF - 0x8000) / 7
    EXPECT_EQ(m_read.m_bIdleNoVideo, 0);         // bits 7-6 read 0 and 1
    EXPECT_EQ(m_read.m_nIdleDelay, 5);
}

TEST_F(UnitImageTest, PasswordCells) {
    const struct {
        std::string cells;
        const char* password;
    } cases[] = {
        {Bytes().raw("abc").u8({0, 0, 0, 0, 0, 0}), "abc"},
        {Bytes().raw("123456789"), "123456789"},
        {std::string(9, '\xFF'), ""},
        {Bytes().raw("ab").u8({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "ab"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> image = SmallSiteImage();
        std::copy(c.cells.begin(), c.cells.end(), image.begin() + 0xFFD0);
        image[0xFFD9] = 'X';  // never part of the password
        ASSERT_TRUE(Decode(image));
        EXPECT_EQ(m_password, c.password);
    }
}

TEST_F(UnitImageTest, AdministratorNumbersStopAtTheFirstNonDigit) {
    std::vector<uint8_t> image = SmallSiteImage();
    const std::string fields =
        Bytes().raw("  12").u8({0}).raw("4#5 ").u8({0}).raw("    ").u8({0}).raw("9999").u8({0});
    std::copy(fields.begin(), fields.end(), image.begin() + 0xFFE0);
    ASSERT_TRUE(Decode(image));
    EXPECT_EQ(m_read.m_adminArch, (std::array<int32_t, 4>{12, 4, 0, 9999}));
}

TEST(ReconZoneId, NeverReadsAsTheEndOfTheList) {
    const struct {
        int32_t zoneId;
        uint16_t field;
    } cases[] = {{7, 0x0007},  {300, 0x012C},     {-1, 0x8000},    {65535, 0x8000},
                 {-2, 0xFFFE}, {0x12345, 0x2345}, {-50000, 0x3CB0}};
    for (const auto& c : cases) EXPECT_EQ(ReconZoneIdField(c.zoneId), c.field) << c.zoneId;
}
