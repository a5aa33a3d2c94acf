#include <gtest/gtest.h>

#include <functional>

#include "SmallSite.h"
#include "unit/ImageFitCheck.h"

TEST(ImageFitCheck, RefusesWhatTheUnitCannotHoldNamingTheFirstOffender) {
    const auto addZones = [](CZRTProDoc& doc, int count) {
        for (int k = 0; k < count; ++k) doc.m_zones.push_back({std::to_string(1000 + k), "", k});
    };
    const struct {
        const char* what;
        std::function<void(CZRTProDoc&)> change;
        const char* message;  // empty: accepted
    } cases[] = {
        {"the small site", [](CZRTProDoc&) {}, ""},
        {"five characters", [](CZRTProDoc& d) { d.m_nodes[4].m_strArch = "12345"; },
         "Cannot write to the M-4400 unit: Input 2 has the Arch Number \"12345\".\nThe unit holds "
         "Arch Numbers of 1 to 4 characters, each a digit, * or #."},
        {"a letter", [](CZRTProDoc& d) { d.m_nodes[5].m_strArch = "1A"; },
         "Cannot write to the M-4400 unit: Input 3 has the Arch Number \"1A\".\nThe unit holds "
         "Arch Numbers of 1 to 4 characters, each a digit, * or #."},
        {"sixteen-character name",
         [](CZRTProDoc& d) { d.m_nodes[6].m_strName = "Loading Bay East"; },
         "Cannot write to the M-4400 unit: the name \"Loading Bay East\" of Input 4 is longer "
         "than 15 characters."},
        {"zone number", [](CZRTProDoc& d) { d.m_zones[0].m_strArch = "30-1"; },
         "Cannot write to the M-4400 unit: the unassigned Arch Number \"30-1\" (Store) cannot be "
         "held.\nThe unit holds Arch Numbers of at most 4 characters, each a digit, * or #."},
        {"zone name", [](CZRTProDoc& d) { d.m_zones[1].m_strName = "Old Boiler House"; },
         "Cannot write to the M-4400 unit: the name \"Old Boiler House\" of the unassigned Arch "
         "Number 9998 is longer than 15 characters."},
        {"administrator number", [](CZRTProDoc& d) { d.m_adminArch[1] = 10000; },
         "Cannot write to the M-4400 unit: the administrator Arch Number 10000 of Video Out 2 "
         "cannot be held.\nThe unit holds administrator Arch Numbers from 0 to 9999."},
        // A four-port unit has two Video Outs; an unprogrammed Lunetta slot
        // (16665) beyond them is no reason to refuse.
        {"administrators beyond the Video Outs",
         [](CZRTProDoc& d) {
             d.m_adminArch = {501, 502, 16665, 16665};
         },
         ""},
        {"Video Out 3 of an eight-port unit",
         [](CZRTProDoc& d) {
             d.m_nPortCount = 8;
             d.m_adminArch = {501, 502, 16665, 504};
         },
         "Cannot write to the M-4400 unit: the administrator Arch Number 16665 of Video Out 3 "
         "cannot be held.\nThe unit holds administrator Arch Numbers from 0 to 9999."},
        {"negative administrator number", [](CZRTProDoc& d) { d.m_adminArch[0] = -1; },
         "Cannot write to the M-4400 unit: the administrator Arch Number -1 of Video Out 1 "
         "cannot be held.\nThe unit holds administrator Arch Numbers from 0 to 9999."},
        {"idle loop past the settings", [](CZRTProDoc& d) { d.m_idleLoop.assign(4674, "21"); },
         "Cannot write to the M-4400 unit: the idle loop has 4674 entries and the unit holds at "
         "most 4673."},
        {"longest idle loop", [](CZRTProDoc& d) { d.m_idleLoop.assign(4673, "21"); }, ""},
        {"012 and 12",
         [](CZRTProDoc& d) {
             d.m_nodes[4].m_strArch = "012";
             d.m_nodes[6].m_strArch = "12";
         },
         "Cannot write to the M-4400 unit: Input 2 (Arch Number 012) and Input 4 (Arch Number 12) "
         "would be the same number in the unit, and one of them could not be called.\nGive one of "
         "them another Arch Number."},
        {"0045 alone", [](CZRTProDoc& d) { d.m_nodes[4].m_strArch = "0045"; }, ""},
        {"490 records", [&](CZRTProDoc& d) { addZones(d, 484); }, ""},
        {"491 records", [&](CZRTProDoc& d) { addZones(d, 485); },
         "Cannot write to the M-4400 unit: it holds at most 490 Arch Numbers with their names, "
         "and this configuration has 491.\nThe first that does not fit is Input 1."},
        {"491 records, the last a zone",
         [&](CZRTProDoc& d) {
             d.m_nodes[3].MakePageable();
             addZones(d, 485);
         },
         "Cannot write to the M-4400 unit: it holds at most 490 Arch Numbers with their names, "
         "and this configuration has 491.\nThe first that does not fit is the unassigned Arch "
         "Number 1484."},
    };
    for (const auto& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        MakeSmallSite(doc, tree);
        c.change(doc);
        ScriptedPrompter prompter;
        const bool expectFit = std::string(c.message).empty();
        EXPECT_EQ(CheckUnitImageFits(doc, prompter), expectFit) << c.what;
        EXPECT_EQ(prompter.Texts(),
                  expectFit ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.what;
    }
}
