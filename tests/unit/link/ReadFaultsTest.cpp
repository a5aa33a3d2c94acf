#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "unit/BuildUnitImage.h"
#include "unit/ReadUnit.h"
#include "unit/SmallSite.h"
#include "unit/link/StreamUnitLink.h"

namespace {

using Clock = std::chrono::steady_clock;
using Texts = std::vector<std::string>;

class NoClock : public UnitClock {
public:
    std::tm LocalTime() override { return {}; }
};

// A read of the unit over a pseudo-terminal to zrtpro-unitsim, with the
// emulator's faults; the unit holds the small site, the document another one.
struct ReadOverPty {
    ReadOverPty() {
        CZRTProDoc site;
        MemoryTree siteTree;
        MakeSmallSite(site, siteTree);
        ScriptedPrompter quiet;
        m_image = BuildUnitImage(site, quiet);
        std::ofstream(m_strEeprom, std::ios::binary)
            .write(reinterpret_cast<const char*>(m_image.data()),
                   static_cast<std::streamsize>(m_image.size()));
        BuildNumbered(m_doc, m_tree, 8, 1, 40);
        m_doc.SetModifiedFlag(false);
    }

    // Runs the read; false when the emulator did not start.
    bool Read(const std::vector<std::string>& simArgs) {
        std::vector<std::string> args = {"--eeprom", m_strEeprom, "--password",
                                         "4321",     "--baud",    "2000000"};
        args.insert(args.end(), simArgs.begin(), simArgs.end());
        if (!m_sim.Start(args)) return false;
        const std::string connection = m_sim.Connection();
        StreamUnitLink link([connection] { return std::optional<std::string>(connection); },
                            [] { return std::optional<std::string>("4321"); });
        m_prompter.m_unitModelAnswers.push_back({{1, 0}, true});
        // Every block read is preceded by a repaint chance: the last one is
        // when the exchange that failed began.
        m_prompter.m_onPump = [this](int) { m_lastPump = Clock::now(); };
        UnitContext c{m_doc, m_tree, m_prompter, m_state, link, m_ui, m_clock};
        m_bRead = ReadUnit(c);
        m_returnedAfter = Clock::now() - m_lastPump;
        m_bConnectedAfter = link.comm_GetConnectedStatus() != 0;
        return true;
    }

    TempDir m_dir;
    const std::string m_strEeprom = m_dir.PathOf("unit.bin");
    std::vector<uint8_t> m_image;
    SimProcess m_sim;
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MainState m_state;
    LinkUiHooks m_ui;
    NoClock m_clock;
    Clock::time_point m_lastPump;
    Clock::duration m_returnedAfter{};
    bool m_bRead = false;
    bool m_bConnectedAfter = true;
};

constexpr const char* kNoReply = "Read M-4400 received no/bad reply\nto ReadEEProm command.\n";
constexpr const char* kExitAfterDisconnect =
    "Read M-4400 failed to exit program mode.\n\nNo unit found";

// Block reads are the unit's messages 1 to 2048; a fault mid-read leaves the
// document as it was (only marked modified, as after every read), shows the
// exact messages, and hands control back within the reply time-out of the
// failed exchange (2 s) and the closing message's 250 ms.
TEST(ReadFaultsOverPty, EachFaultGivesItsMessageAndKeepsTheDocument) {
    struct Case {
        const char* what;
        std::vector<std::string> sim;
        const char* first;
    };
    const Case cases[] = {
        {"lost reply", {"--fault", "drop:5"}, "\nCommunication timed out"},
        {"corrupted check byte", {"--fault", "corrupt:5"}, "\nBad acknowledgement data from unit"},
        {"reply one byte short", {"--fault", "short:5"}, "\nBad acknowledgement data from unit"},
        {"unit stops answering half-way", {"--fault", "stall:1024"}, "\nCommunication timed out"},
        {"unit disconnects", {"--fault", "hangup:700"}, "\nCommunication timed out"},
        {"unit killed", {"--fault", "die:300"}, "\nCommunication timed out"},
        {"bytes 100 ms apart",
         {"--fault", "trickle:5", "--byte-gap", "100"},
         "\nBad acknowledgement data from unit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReadOverPty r;
        const std::string before = EncodeZrt(r.m_doc);
        const bool modified = r.m_doc.IsModified();
        const int nodes = static_cast<int>(r.m_tree.ItemCount());
        ASSERT_TRUE(r.Read(c.sim));
        EXPECT_FALSE(r.m_bRead);
        EXPECT_EQ(r.m_prompter.Texts(),
                  (Texts{std::string(kNoReply) + c.first, kExitAfterDisconnect}));
        EXPECT_EQ(EncodeZrt(r.m_doc), before);
        EXPECT_EQ(static_cast<int>(r.m_tree.ItemCount()), nodes);
        EXPECT_EQ(r.m_doc.IsModified(), modified) << "the mark stays as it was";
        EXPECT_FALSE(r.m_bConnectedAfter);
        EXPECT_FALSE(r.m_state.m_bBusy);
        EXPECT_LT(r.m_returnedAfter, std::chrono::milliseconds(2000 + 250 + 1500));
    }
}

// Pauses shorter than the quiet time that ends a frame are part of a slow
// line: the read goes through and the document becomes the unit's site.
TEST(ReadFaultsOverPty, BytesTwentyMillisecondsApartStillReadWhole) {
    ReadOverPty r;
    ASSERT_TRUE(r.Read({"--fault", "trickle:5", "--fault", "trickle:2048", "--byte-gap", "20"}));
    EXPECT_TRUE(r.m_bRead);
    EXPECT_EQ(r.m_prompter.Texts(), Texts{});
    ScriptedPrompter quiet;
    EXPECT_EQ(BuildUnitImage(r.m_doc, quiet), r.m_image);
}

}  // namespace
