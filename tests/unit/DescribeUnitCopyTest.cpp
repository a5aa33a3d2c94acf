#include <gtest/gtest.h>

#include "SmallSite.h"
#include "unit/DescribeUnitCopy.h"
#include "unit/WriteConfirmation.h"

namespace {

// The small site on an eight-port unit: the four inputs of ports 5 to 8 hold
// codes 0x80, 0xA0, 0xC0 and 0xE0, at Arch Numbers 31 to 34 (cells 37 to 40).
std::vector<uint8_t> EightPortImage() {
    std::vector<uint8_t> image = SmallSiteImage();
    image[37] = 0x80;
    image[38] = 0xA0;
    image[39] = 0xC0;
    image[40] = 0xE0;
    return image;
}

// What a write stopped half-way leaves: the Arch table and some records, no settings block.
std::vector<uint8_t> HalfWritten() {
    std::vector<uint8_t> image = SmallSiteImage();
    std::fill(image.begin() + 0x8000, image.end(), 0xFF);
    image[0xFFFD] = 0x5A;
    return image;
}

}  // namespace

// The model comes from the copy itself, never from the configuration open.
TEST(DescribeUnitCopy, SaysWhatACopyHolds) {
    using Kind = UnitCopyContents::Kind;
    std::vector<uint8_t> erased(65536, 0xFF);
    erased[0xFFFD] = 0x5A;
    std::vector<uint8_t> garbage = SmallSiteImage();
    garbage[0xFFDF] = 9;  // nine camera interface units on a unit of at most eight ports
    struct Case {
        const char* name;
        std::vector<uint8_t> image;
        Kind kind;
        const char* text;
        int ports;
    };
    const Case cases[] = {
        {"four ports", SmallSiteImage(), Kind::Configuration,
         "M-4400, 0 camera interface units, 4 inputs", 4},
        {"eight ports", EightPortImage(), Kind::Configuration,
         "M-4800, 0 camera interface units, 8 inputs", 8},
        {"erased", erased, Kind::Erased, "erased", 0},
        {"half written", HalfWritten(), Kind::PartlyWritten, "partly written", 0},
        {"garbage", garbage, Kind::Unreadable, "not a configuration", 0},
        {"short", std::vector<uint8_t>(100, 0x00), Kind::Unreadable, "not a configuration", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const UnitCopyContents held = DescribeUnitCopy(c.image);
        EXPECT_EQ(held.m_kind, c.kind);
        EXPECT_EQ(ContentsText(held), c.text);
        EXPECT_EQ(held.m_nPorts, c.ports);
    }
}

// The question's count line and its warning come from one comparison: a
// partly written unit is said so, never another site; a unit that does not
// decode is never "0 differences"; another site always has differences to show.
TEST(WriteConfirmation, TheQuestionNeverContradictsItself) {
    CZRTProDoc site;
    MemoryTree tree;
    MakeSmallSite(site, tree);
    std::vector<uint8_t> garbage = SmallSiteImage();
    garbage[0xFFDF] = 9;
    CZRTProDoc renamed = site;
    for (int i = 3; i < 7; ++i) renamed.m_nodes[static_cast<size_t>(i)].m_strName = "Other";
    CZRTProDoc eight = site;
    eight.m_nPortCount = 8;
    struct Case {
        const char* name;
        const CZRTProDoc* written;
        std::vector<uint8_t> unit;
        std::vector<std::string> notes;
        std::string count;
        bool refused;
    };
    const Case cases[] = {
        {"same", &site, SmallSiteImage(), {}, "The unit already holds this configuration.", false},
        {"partly written",
         &site,
         HalfWritten(),
         {},
         "The unit is partly written; writing puts this configuration in it whole.",
         false},
        {"not a configuration",
         &site,
         garbage,
         {"The unit's memory holds no configuration this program can read; writing replaces all "
          "of it."},
         "No differences can be listed.",
         true},
        {"another site",
         &renamed,
         SmallSiteImage(),
         {"The unit seems to hold another site's configuration."},
         "4 differences between the unit and this configuration.",
         true},
        // A four-port unit under an eight-port configuration is another site, and says how.
        {"another model",
         &eight,
         SmallSiteImage(),
         {"The unit seems to hold another site's configuration."},
         "1 difference between the unit and this configuration.",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WriteConfirmation w = ConfirmationFor(*c.written, c.unit);
        const WriteQuestion q = QuestionFor(w);
        EXPECT_EQ(q.m_notes, c.notes);
        EXPECT_EQ(q.m_strCount, c.count);
        EXPECT_EQ(q.m_bRefusedUnlessForced, c.refused);
        EXPECT_EQ(q.m_bWarn, c.refused);
        EXPECT_TRUE(!w.m_bAnotherSite || !w.m_diffs.empty());
    }
    // A restore is never refused, and says the unit keeps its password.
    WriteConfirmation restore = ConfirmationFor(renamed, SmallSiteImage());
    restore.m_bRestore = true;
    const WriteQuestion q = QuestionFor(restore);
    EXPECT_FALSE(q.m_bRefusedUnlessForced);
    EXPECT_EQ(q.m_strCount, "4 differences between the unit and the copy.");
    EXPECT_EQ(q.m_notes.back(),
              "The unit keeps its present password: a unit never discloses its password, so no "
              "copy holds it.");
}
