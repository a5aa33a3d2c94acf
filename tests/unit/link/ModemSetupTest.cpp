#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "unit/ModemSetup.h"
#include "unit/UnitLink.h"

namespace {

// A local serial port with a modem behind it, as the raw link functions see it.
class ScriptedModem : public UnitLink {
public:
    int comm_GetConnectedStatus() override { return m_strOpen.empty() ? 0 : 1; }
    uint32_t comm_GetUserConnection(int) override { return kNoUnitFound; }
    uint32_t comm_SetProgrammingMode(int) override { return kNoUnitFound; }
    uint32_t comm_SendLop(std::span<const uint8_t>, int, uint32_t) override { return kNoUnitFound; }
    uint32_t comm_GetLopData(std::span<const uint8_t>&) override { return kNoUnitFound; }
    uint32_t comm_GetCurrentPword(std::string&) override { return kNoUnitFound; }
    void comm_Disconnect() override {
        m_calls.push_back("Disconnect");
        m_strOpen.clear();
    }
    uint32_t comm_Connect(const std::string& port, int flags, int raw) override {
        m_calls.push_back("Connect " + port + " " + std::to_string(flags) + " " +
                          std::to_string(raw));
        if (m_broken.count(port)) return kHardwareUnavailable;
        m_strOpen = port;
        return kOk;
    }
    uint32_t comm_SendRaw(std::span<const uint8_t> bytes) override {
        if (m_strOpen.empty()) return kHardwareUnavailable;
        const std::string command(bytes.begin(), bytes.end());
        m_calls.push_back("Send " + command);
        const auto answer = m_answers.find(command);
        m_received = answer != m_answers.end() ? answer->second : command + "\r\nOK\r\n";
        return kOk;
    }
    uint32_t comm_GetRcvCount() override { return static_cast<uint32_t>(m_received.size()); }
    uint32_t comm_GetRcvBuff(std::span<const uint8_t>& bytes) override {
        m_taken.assign(m_received.begin(), m_received.end());
        m_received.clear();
        bytes = m_taken;
        return kOk;
    }
    void comm_DeleteDLLBytes(std::span<const uint8_t>) override {
        m_calls.push_back("Delete");
        m_taken.clear();
    }

    std::set<std::string> m_broken;                // ports that cannot be opened
    std::map<std::string, std::string> m_answers;  // command -> what the modem says
    std::vector<std::string> m_calls;
    std::string m_strOpen;

private:
    std::string m_received;
    std::vector<uint8_t> m_taken;
};

unsigned long ThreePorts(char* buffer, unsigned long size) {
    const char names[] = "ttyUSB0\0ttyS1\0ttyACM0\0";
    if (size < sizeof names) return 5;
    std::copy(names, names + sizeof names, buffer);
    return 0;
}

class ModemSetupTest : public ::testing::Test {
protected:
    ModemSetupTest() : m_setup(m_modem, ThreePorts, [this](int ms) { m_pauses.push_back(ms); }) {
        m_setup.SetRefresh([this] { ++m_nRefreshes; });
    }

    void GoToStep(int step) {
        m_setup.Open();
        while (m_setup.m_nStep < step) m_setup.Proceed();
    }

    ScriptedModem m_modem;
    ModemSetup m_setup;
    std::vector<int> m_pauses;
    int m_nRefreshes = 0;
};

TEST_F(ModemSetupTest, OpensOnStepOneWithTheSortedPortList) {
    m_setup.Open();
    EXPECT_EQ(m_setup.m_ports, (std::vector<std::string>{"ttyACM0", "ttyS1", "ttyUSB0"}));
    EXPECT_EQ(m_setup.m_nSelectedPort, 0);
    EXPECT_TRUE(m_setup.m_bPortListFocus);
    EXPECT_EQ(m_setup.m_nStep, 1);
    EXPECT_EQ(m_setup.m_nIndicator, 1);
    EXPECT_EQ(m_setup.m_strInitString, "ATS0=1&M4&K0&N8&B1&H0&R1&S0");
    EXPECT_EQ(m_setup.m_strInstructions.substr(0, 60),
              "Ensure the remote modem's DIP switches are configured to pro");
}

TEST_F(ModemSetupTest, WithoutAPortListOpensEmptyAndWithoutStepOne) {
    ModemSetup setup(
        m_modem, [](char*, unsigned long) { return 2UL; }, nullptr);
    setup.Open();
    EXPECT_TRUE(setup.m_ports.empty());
    EXPECT_EQ(setup.m_nSelectedPort, -1);
    EXPECT_TRUE(setup.m_strInstructions.empty());
    EXPECT_EQ(setup.m_nIndicator, 0);
}

TEST_F(ModemSetupTest, EnablesTheControlsOfEachStep) {
    struct Row {
        int step;
        bool ports, init, back, next;
        const char* instructionsStart;
    };
    const Row rows[] = {
        {1, false, false, false, true, "Ensure the remote"},
        {2, true, false, true, true, "Connect the remote"},
        {3, false, false, true, true, "Verifying COM port"},
        {4, false, true, true, true, "You may now edit"},
        {5, false, false, false, true, "Factory defaults"},
    };
    m_setup.Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        while (m_setup.m_nStep < row.step) m_setup.Proceed();
        EXPECT_EQ(m_setup.m_nIndicator, row.step);
        EXPECT_EQ(m_setup.m_bPortListEnabled, row.ports);
        EXPECT_EQ(m_setup.m_bInitStringEnabled, row.init);
        EXPECT_EQ(m_setup.m_bBackEnabled, row.back);
        EXPECT_EQ(m_setup.m_bNextEnabled, row.next);
        EXPECT_EQ(m_setup.m_strInstructions.rfind(row.instructionsStart, 0), 0u);
    }
}

TEST_F(ModemSetupTest, PortCheckAcquiresThePortAndVerifiesTheEcho) {
    m_setup.Open();
    m_setup.Proceed();
    m_setup.SelectPort(1);
    m_setup.Proceed();
    EXPECT_EQ(m_setup.m_strLog,
              "ttyS1 aquired successfully.\r\nAT\r\n\r\nOK\r\nModem verified successfully.\r\n");
    EXPECT_TRUE(m_setup.m_bNextEnabled);
    EXPECT_EQ(m_modem.m_calls,
              (std::vector<std::string>{"Connect ttyS1 0 1", "Send AT\r\n", "Delete"}));
    EXPECT_EQ(m_pauses, std::vector<int>{1000});
}

TEST_F(ModemSetupTest, PortThatCannotBeOpenedKeepsNextDisabled) {
    m_modem.m_broken = {"ttyACM0"};
    GoToStep(3);
    EXPECT_EQ(m_setup.m_strLog,
              "Unable to acquire ttyACM0.  Please correct the problem and go to the previous "
              "step.");
    EXPECT_FALSE(m_setup.m_bNextEnabled);
    EXPECT_TRUE(m_pauses.empty());
}

TEST_F(ModemSetupTest, ModemWithoutEchoKeepsNextDisabledAndBackReturnsToStepTwo) {
    m_modem.m_answers["AT\r\n"] = "\r\nOK\r\n";
    GoToStep(3);
    EXPECT_FALSE(m_setup.m_bNextEnabled);
    EXPECT_EQ(m_setup.m_strLog.find("verified"), std::string::npos);
    m_setup.Back();
    EXPECT_EQ(m_setup.m_nStep, 2);
    EXPECT_TRUE(m_setup.m_bNextEnabled);
}

TEST_F(ModemSetupTest, SilentModemGivesTheNoReplyLineAndTheTimeOutBit) {
    m_modem.m_answers["AT\r\n"] = "";
    GoToStep(3);
    EXPECT_EQ(m_setup.m_strLog,
              "ttyACM0 aquired successfully.\r\n\r\n** No reply from modem after 1 second **\r\n");
    EXPECT_FALSE(m_setup.m_bNextEnabled);
    EXPECT_EQ(m_setup.SendModemCommand("AT\r\n"), UnitLink::kTimedOut);
}

TEST_F(ModemSetupTest, GoingBackAndForwardReopensThePort) {
    GoToStep(3);
    m_setup.Back();
    m_setup.Proceed();
    EXPECT_EQ(m_modem.m_calls, (std::vector<std::string>{
                                   "Connect ttyACM0 0 1", "Send AT\r\n", "Delete", "Disconnect",
                                   "Connect ttyACM0 0 1", "Send AT\r\n", "Delete"}));
}

TEST_F(ModemSetupTest, StepFiveSendsTheFiveCommandsWithTheirLogLines) {
    GoToStep(4);
    m_setup.SetInitString("ATS0=2");
    m_modem.m_calls.clear();
    m_pauses.clear();
    // The step's own text is on screen before the first command goes out.
    std::vector<std::pair<std::string, size_t>> shown;
    m_setup.SetRefresh([&] {
        shown.emplace_back(m_setup.m_strInstructions.substr(0, 16), m_modem.m_calls.size());
    });
    m_setup.Proceed();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), std::make_pair(std::string("Factory defaults"), size_t{0}));
    EXPECT_EQ(m_pauses, std::vector<int>(5, 1000));
    EXPECT_EQ(m_setup.m_strLog,
              "\r\n1. Set to factory (generic) defaults:\r\nAT&F0\r\n\r\nOK\r\n"
              "\r\n2. Save configuration to NVRAM profile 0:\r\nAT&W0\r\n\r\nOK\r\n"
              "\r\n3. Set default powerup configuration to NVRAM profile 0:\r\nATY0\r\n\r\nOK\r\n"
              "\r\n4. Send brand-specific initialization string:\r\nATS0=2\r\n\r\nOK\r\n"
              "\r\n5. Save completed configuration to NVRAM profile 0:\r\nAT&W0\r\n\r\nOK\r\n");
    EXPECT_EQ(m_modem.m_calls,
              (std::vector<std::string>{"Send AT&F0\r\n", "Delete", "Send AT&W0\r\n", "Delete",
                                        "Send ATY0\r\n", "Delete", "Send ATS0=2\r\n", "Delete",
                                        "Send AT&W0\r\n", "Delete"}));
    EXPECT_EQ(m_setup.m_strInstructions.rfind("Factory defaults have been restored", 0), 0u);
    EXPECT_STREQ(m_setup.StatusAfter(true), "Remote modem set up.");
    EXPECT_STREQ(m_setup.StatusAfter(false), "Ready");
}

// A modem that leaves any command of the last step unanswered is not set up.
TEST_F(ModemSetupTest, AnUnansweredCommandOfStepFiveMeansNotSetUp) {
    for (const char* silent : {"AT&F0\r\n", "ATY0\r\n", "ATS0=2\r\n"}) {
        ScriptedModem modem;
        ModemSetup setup(modem, ThreePorts, {});
        modem.m_answers[silent] = "";
        setup.Open();
        while (setup.m_nStep < 4) setup.Proceed();
        setup.SetInitString("ATS0=2");
        setup.Proceed();
        ASSERT_EQ(setup.m_nStep, 5) << silent;
        EXPECT_NE(setup.m_strLog.find("No reply from modem"), std::string::npos) << silent;
        EXPECT_STREQ(setup.StatusAfter(true),
                     "Remote modem not set up: it did not answer every command.")
            << silent;
    }
}

TEST_F(ModemSetupTest, EmptyInitializationStringSendsJustTheLineEnd) {
    GoToStep(4);
    m_setup.SetInitString("");
    m_modem.m_calls.clear();
    m_setup.Proceed();
    EXPECT_EQ(m_modem.m_calls[6], "Send \r\n");
}

TEST_F(ModemSetupTest, InitializationStringKeepsEightyCharacters) {
    m_setup.SetInitString(std::string(100, 'A'));
    EXPECT_EQ(m_setup.m_strInitString, std::string(80, 'A'));
}

TEST_F(ModemSetupTest, ProceedingPastStepFiveClosesAndDisconnects) {
    GoToStep(5);
    EXPECT_FALSE(m_setup.m_bClosed);
    m_setup.Proceed();
    EXPECT_TRUE(m_setup.m_bClosed);
    EXPECT_EQ(m_modem.m_calls.back(), "Disconnect");
    EXPECT_EQ(m_modem.comm_GetConnectedStatus(), 0);
}

TEST_F(ModemSetupTest, QuitDisconnectsOnlyAnOpenPort) {
    m_setup.Open();
    m_setup.Quit();
    EXPECT_TRUE(m_setup.m_bClosed);
    EXPECT_TRUE(m_modem.m_calls.empty());
}

}  // namespace
