#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SimProcess.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "unit/BuildUnitImage.h"
#include "unit/ReadUnit.h"
#include "unit/SetUnitTime.h"
#include "unit/SmallSite.h"
#include "unit/WriteUnit.h"
#include "unit/link/StreamUnitLink.h"

namespace {

using ByteVec = std::vector<uint8_t>;

ByteVec ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVec(std::istreambuf_iterator<char>(in), {});
}

class SystemTime : public UnitClock {
public:
    std::tm LocalTime() override { return SystemClock().LocalTime(); }
};

// The program's unit operations over zrt_link, against zrtpro-unitsim as a
// child process on a pseudo-terminal (false) or TCP on 127.0.0.1 (true).
class UnitOverTheLine : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        m_strEeprom = (std::filesystem::temp_directory_path() /
                       ("zrt-ops-" + std::to_string(::getpid()) + ".bin"))
                          .string();
        std::filesystem::remove(m_strEeprom);
    }
    void TearDown() override { std::filesystem::remove(m_strEeprom); }

    void StartSim(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {"--eeprom", m_strEeprom, "--password",
                                         "4321",     "--baud",    "2000000"};
        if (GetParam()) args.insert(args.end(), {"--tcp", "0"});
        args.insert(args.end(), extra.begin(), extra.end());
        ASSERT_TRUE(m_sim.Start(args));
        const std::string connection = m_sim.Connection();
        m_link = std::make_unique<StreamUnitLink>(
            [connection] { return std::optional<std::string>(connection); },
            [this] { return std::optional<std::string>(m_strPassword); });
    }

    UnitContext Context(CZRTProDoc& doc, MemoryTree& tree) {
        return UnitContext{doc, tree, m_prompter, m_state, *m_link, m_ui, m_clock};
    }

    std::string m_strEeprom;
    std::string m_strPassword = "4321";
    SimProcess m_sim;
    std::unique_ptr<StreamUnitLink> m_link;
    ScriptedPrompter m_prompter;
    MainState m_state;
    LinkUiHooks m_ui;
    SystemTime m_clock;
};

TEST_P(UnitOverTheLine, WritesVerifiesAndReadsBackTheConfiguration) {
    StartSim();
    CZRTProDoc doc;
    MemoryTree tree;
    MakeSmallSite(doc, tree);
    doc.SetModifiedFlag(false);
    m_state.m_bEnableVerify = true;
    UnitContext write = Context(doc, tree);
    WriteUnit(write);
    EXPECT_TRUE(m_prompter.Texts().empty()) << m_prompter.Texts().front();
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Write operation completed and Verified");

    // The unit's memory is the written image with the password in its cells;
    // the switches byte stays the erased value the unit held.
    ByteVec expected = m_state.m_writtenImage;
    const std::string password = "4321";
    for (size_t k = 0; k < 9; ++k)
        expected[0xFFD0 + k] = k < password.size() ? static_cast<uint8_t>(password[k]) : 0x00;
    EXPECT_EQ(ReadFile(m_strEeprom), expected);

    // A plain read gives the same configuration: it builds the same image again.
    CZRTProDoc read;
    MemoryTree readTree;
    m_prompter.m_unitModelAnswers.push_back({{1, 0}, true});
    UnitContext readContext = Context(read, readTree);
    ReadUnit(readContext);
    EXPECT_TRUE(m_prompter.Texts().empty()) << m_prompter.Texts().front();
    ASSERT_EQ(read.NodeCount(), doc.NodeCount());
    EXPECT_EQ(BuildUnitImage(read, m_prompter), m_state.m_writtenImage);
    EXPECT_EQ(read.m_zones.size(), doc.m_zones.size());
    EXPECT_EQ(read.m_idleLoop, doc.m_idleLoop);
}

TEST_P(UnitOverTheLine, SetsTheUnitTime) {
    StartSim();
    CZRTProDoc doc;
    MemoryTree tree;
    UnitContext c = Context(doc, tree);
    SetUnitTime(c);
    EXPECT_TRUE(m_prompter.Texts().empty()) << m_prompter.Texts().front();
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Ready");
    EXPECT_EQ(m_link->comm_GetConnectedStatus(), 0);
}

TEST_P(UnitOverTheLine, WrongPasswordIsRejectedByTheUnit) {
    StartSim();
    m_strPassword = "1234";
    CZRTProDoc doc;
    MemoryTree tree;
    MakeSmallSite(doc, tree);
    UnitContext c = Context(doc, tree);
    WriteUnit(c);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Error - Failed to connect to unit\n"
                                                           "\nPassword rejected by unit"});
    EXPECT_EQ(ReadFile(m_strEeprom).at(0x0000), 0xFF);
}

TEST_P(UnitOverTheLine, KilledEmulatorMidWriteTimesOutAndReturns) {
    // Message 1 reads the switches, 2 and 3 erase; the emulator dies at the 40th cell write.
    StartSim({"--fault", "die:43"});
    CZRTProDoc doc;
    MemoryTree tree;
    MakeSmallSite(doc, tree);
    const std::string before = EncodeZrt(doc);
    UnitContext c = Context(doc, tree);
    const auto start = std::chrono::steady_clock::now();
    WriteUnit(c);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_FALSE(m_prompter.Texts().empty());
    EXPECT_EQ(m_prompter.Texts().front(),
              "Write M-4400 received no/bad reply\nto WriteEEProm command.\n"
              "\nCommunication timed out");
    EXPECT_EQ(m_link->comm_GetConnectedStatus(), 0);
    EXPECT_FALSE(m_state.m_bBusy);
    // Whatever the emulator managed to save is a whole memory.
    EXPECT_EQ(ReadFile(m_strEeprom).size(), 65536u);
    EXPECT_EQ(EncodeZrt(doc), before);
}

TEST_P(UnitOverTheLine, ShortReplyGivesTheIncorrectLengthMessage) {
    StartSim({"--fault", "short:1"});
    CZRTProDoc doc;
    MemoryTree tree;
    MakeSmallSite(doc, tree);
    const std::string before = EncodeZrt(doc);
    UnitContext c = Context(doc, tree);
    EXPECT_FALSE(WriteUnit(c));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Write M-4400 received a reply of incorrect length\n to "
                                       "ReadEEProm (switches) command.\n"});
    EXPECT_EQ(m_link->comm_GetConnectedStatus(), 0);
    EXPECT_EQ(EncodeZrt(doc), before);
}

INSTANTIATE_TEST_SUITE_P(PtyAndTcp, UnitOverTheLine, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Tcp" : "Pty"; });

}  // namespace
