#include <gtest/gtest.h>

#include <cstdint>

#include "model/ZrtCodec.h"
#include "support/Bytes.h"
#include "support/Configs.h"

namespace {

// 4 ports, no camera interface unit, numbered 11 to 14, one spare zone.
CZRTProDoc SmallConfig() {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    doc.m_nPagingSystem = 1;
    doc.m_nConfigSource = 5;
    doc.m_nDialDigits = 2;
    doc.m_strWizardFile = "site.zrt";
    doc.m_byTimeRefresh = 2;
    doc.m_nodes[4].m_strName = "Gym            ";
    doc.m_zones.push_back({"15", "Spare", 7});
    return doc;
}

Bytes FixedNode(const std::string& arch) {
    Bytes b;
    b.i32(-1).str(arch).i32(-1000).str(arch).str("").i32(-2).i32(-2).str("");
    return b;
}

Bytes InputNode(int code, const std::string& arch, const std::string& name, int zone) {
    Bytes b;
    b.i32(code).str(arch).i32(code).str(arch).str(name).i32(zone).i32(zone).str("");
    return b;
}

void ExpectSameStoredValues(const ZrtConfig& a, const ZrtConfig& b) {
    ASSERT_EQ(a.m_nodes.size(), b.m_nodes.size());
    for (size_t i = 0; i < a.m_nodes.size(); ++i)
        EXPECT_TRUE(a.m_nodes[i].SameStoredValues(b.m_nodes[i])) << "node " << i;
    EXPECT_EQ(a.m_zones, b.m_zones);
    EXPECT_EQ(a.m_idleLoop, b.m_idleLoop);
    EXPECT_EQ(a.m_adminArch, b.m_adminArch);
    EXPECT_EQ(a.m_strImportPath, b.m_strImportPath);
    EXPECT_EQ(a.m_strWizardFile, b.m_strWizardFile);
    EXPECT_EQ(a.m_nPriority, b.m_nPriority);
    EXPECT_EQ(a.m_nIdleDelay, b.m_nIdleDelay);
    EXPECT_EQ(a.m_bIdleNoVideo, b.m_bIdleNoVideo);
    EXPECT_EQ(a.m_nPortCount, b.m_nPortCount);
    EXPECT_EQ(a.m_nCiuCount, b.m_nCiuCount);
    EXPECT_EQ(a.m_nPagingSystem, b.m_nPagingSystem);
    EXPECT_EQ(a.m_nConfigSource, b.m_nConfigSource);
    EXPECT_EQ(a.m_nDialDigits, b.m_nDialDigits);
    EXPECT_EQ(a.m_byTimeRefresh, b.m_byTimeRefresh);
}

}  // namespace

TEST(ZrtCodec, FourPortFileByteForByte) {
    Bytes expected;
    expected
        .u8({0xFE, 0xC9, 0x9A, 0x3B})  // version 999999998
        .i32(1)
        .str("11")  // idle loop: the first input
        .i32(501)
        .i32(502)
        .i32(503)
        .i32(504)
        .str("")          // import path
        .str("site.zrt")  // wizard file
        .i32(1)
        .i32(5)
        .i32(2)  // paging system, source, digits
        .i32(0)
        .i32(4)            // units, ports
        .u8({0x02, 0x00})  // priority is two bytes
        .i32(3)            // idle delay
        .i32(7)            // nodes
        .raw(FixedNode("overview"))
        .raw(FixedNode("settings"))
        .raw(FixedNode("idle loop"))
        .raw(InputNode(0, "11", "", 0))
        .raw(InputNode(32, "12", "Gym            ", 1))
        .raw(InputNode(64, "13", "", 2))
        .raw(InputNode(96, "14", "", 3))
        .i32(1)
        .str("15")
        .str("Spare")
        .i32(7)
        .u8({0x02})  // time refresh is one byte
        .i32(0);
    // The name was changed after the build, the original name was not.
    std::string bytes = expected;
    const CZRTProDoc doc = SmallConfig();
    EXPECT_EQ(EncodeZrt(doc), bytes);

    ZrtConfig back;
    ASSERT_EQ(DecodeZrt(bytes, back).m_status, ZrtStatus::Ok);
    ExpectSameStoredValues(back, doc);
}

TEST(ZrtCodec, LengthPrefixForms) {
    struct Case {
        size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Bytes().u8({0x00})},
        {254, Bytes().u8({0xFE})},
        {255, Bytes().u8({0xFF, 0xFF, 0x00})},
        {65533, Bytes().u8({0xFF, 0xFD, 0xFF})},
        {65534, Bytes().u8({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes().u8({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        CZRTProDoc doc = SmallConfig();
        std::string name(c.length, 'n');
        for (size_t i = 0; i < name.size(); ++i) name[i] = static_cast<char>(0x80 + i % 128);
        doc.m_strImportPath = name;
        const std::string bytes = EncodeZrt(doc);
        // The import path follows the version, the idle loop and four admin numbers.
        const size_t at = 4 + 4 + 3 + 16;
        EXPECT_EQ(bytes.substr(at, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(bytes.substr(at + c.prefix.size(), c.length), name) << c.length;
        ZrtConfig back;
        ASSERT_EQ(DecodeZrt(bytes, back).m_status, ZrtStatus::Ok) << c.length;
        EXPECT_EQ(back.m_strImportPath, name);
    }
}

TEST(ZrtCodec, ReaderAcceptsTheLongFormForShortTexts) {
    const CZRTProDoc doc = SmallConfig();
    std::string bytes = EncodeZrt(doc);
    // Rewrite the empty import path as 0xFF, 0xFFFF, then a 4-byte length of 0.
    const size_t at = 4 + 4 + 3 + 16;
    bytes.replace(at, 1, Bytes().u8({0xFF, 0xFF, 0xFF, 0, 0, 0, 0}).data());
    ZrtConfig back;
    ASSERT_EQ(DecodeZrt(bytes, back).m_status, ZrtStatus::Ok);
    ExpectSameStoredValues(back, doc);
}

TEST(ZrtCodec, EveryTruncationIsRefused) {
    const std::string bytes = EncodeZrt(SmallConfig());
    for (size_t n = 0; n < bytes.size(); ++n) {
        ZrtConfig back;
        EXPECT_EQ(DecodeZrt(bytes.substr(0, n), back).m_status, ZrtStatus::BadFormat) << n;
    }
}

TEST(ZrtCodec, InconsistentConfigurationsAreRefused) {
    struct Case {
        const char* what;
        void (*mutate)(ZrtConfig&);
    };
    const Case cases[] = {
        {"node missing", [](ZrtConfig& c) { c.m_nodes.pop_back(); }},
        {"node count for another unit count", [](ZrtConfig& c) { c.m_nCiuCount = 1; }},
        {"five ports", [](ZrtConfig& c) { c.m_nPortCount = 5; }},
        {"more units than ports", [](ZrtConfig& c) { c.m_nCiuCount = 5; }},
        {"input code out of place", [](ZrtConfig& c) { c.m_nodes[5].m_nInputCode = 250; }},
        {"signed code of another input", [](ZrtConfig& c) { c.m_nodes[5].m_nSignedCode = 33; }},
        {"signed code with no positive twin",
         [](ZrtConfig& c) { c.m_nodes[3].m_nSignedCode = INT32_MIN; }},
        {"fixed node as an input", [](ZrtConfig& c) { c.m_nodes[1].m_nInputCode = 0; }},
    };
    for (const Case& c : cases) {
        ZrtConfig config = SmallConfig();
        c.mutate(config);
        ZrtConfig back;
        EXPECT_EQ(DecodeZrt(EncodeZrt(config), back).m_status, ZrtStatus::BadFormat) << c.what;
    }
}

TEST(ZrtCodec, AbsurdCountsAreRefusedWithoutAllocating) {
    std::string bytes = EncodeZrt(SmallConfig());
    // The idle loop count, and the zone count before one 13-byte zone and the last 5 bytes.
    for (const size_t at : {size_t{4}, bytes.size() - 5 - 13 - 4}) {
        std::string broken = bytes;
        broken.replace(at, 4, Bytes().i32(0x7FFFFFFF).data());
        ZrtConfig back;
        EXPECT_EQ(DecodeZrt(broken, back).m_status, ZrtStatus::BadFormat) << at;
    }
}

TEST(ZrtCodec, NonPageableAndLargestSystemsRoundTrip) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{4, " 21 ", "Hall"}}, 8, 8);
    doc.m_nodes[10].MakeNonPageable();
    doc.m_nPriority = 3;
    doc.m_bIdleNoVideo = 1;
    ZrtConfig back;
    back.m_zones.push_back({"99", "old", 1});
    ASSERT_EQ(DecodeZrt(EncodeZrt(doc), back).m_status, ZrtStatus::Ok);
    ExpectSameStoredValues(back, doc);
    EXPECT_TRUE(back.m_zones.empty());
}

TEST(ZrtCodec, NamesWithControlCharactersComeInWithBlanks) {
    // Written by hand: a name, an original name and a zone name each holding
    // a control character; Latin-1 letters pass as they are.
    Bytes file;
    file.u8({0xFE, 0xC9, 0x9A, 0x3B})
        .i32(0)
        .i32(501)
        .i32(502)
        .i32(503)
        .i32(504)
        .str("")
        .str("")
        .i32(1)
        .i32(5)
        .i32(2)
        .i32(0)
        .i32(4)
        .u8({0x02, 0x00})
        .i32(3)
        .i32(7)
        .raw(FixedNode("overview"))
        .raw(FixedNode("settings"))
        .raw(FixedNode("idle loop"))
        .i32(0)
        .str("11")
        .i32(0)
        .str("11")
        .str("Z\xFCrich\tNord")
        .i32(0)
        .i32(0)
        .str("Do\x1Br")
        .raw(InputNode(32, "12", "", 1))
        .raw(InputNode(64, "13", "", 2))
        .raw(InputNode(96, "14", "", 3))
        .i32(1)
        .str("15")
        .str(
            "Sp\x7F"
            "are\x9F")
        .i32(7)
        .u8({0x02})
        .i32(0);
    ZrtConfig back;
    ASSERT_EQ(DecodeZrt(std::string(file), back).m_status, ZrtStatus::Ok);
    EXPECT_EQ(back.m_nodes[3].m_strName, "Z\xFCrich Nord");
    EXPECT_EQ(back.m_nodes[3].m_strOrigName, "Do r");
    EXPECT_EQ(back.m_zones[0].m_strName, "Sp are ");
}

TEST(ZrtCodec, SavingAndOpeningChangesNoByte) {
    CZRTProDoc doc = SmallConfig();
    doc.m_nodes[5].m_strName = "Z\xFCrich";
    doc.m_nodes[6].m_strArch = "0045";
    const std::string first = EncodeZrt(doc);
    ZrtConfig back;
    ASSERT_EQ(DecodeZrt(first, back).m_status, ZrtStatus::Ok);
    EXPECT_EQ(EncodeZrt(back), first);
    EXPECT_EQ(EncodeZrt(doc), first);
}
