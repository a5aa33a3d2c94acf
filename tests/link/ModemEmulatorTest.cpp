#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "SimProcess.h"
#include "unit/ModemSetup.h"
#include "unit/link/StreamUnitLink.h"

namespace {

// The emulator answering as a Hayes modem on a pseudo-terminal.
class ModemEmulator : public ::testing::Test {
protected:
    void SetUp() override {
        m_strEeprom = (std::filesystem::temp_directory_path() /
                       ("zrt-modem-" + std::to_string(::getpid()) + ".bin"))
                          .string();
        ASSERT_TRUE(m_sim.Start({"--eeprom", m_strEeprom, "--modem", "--baud", "1000000"}));
        ASSERT_EQ(m_sim.Connection().rfind("serial:", 0), 0u);
        m_strDevice = m_sim.Connection().substr(7);
    }
    void TearDown() override { std::filesystem::remove(m_strEeprom); }

    // A wizard whose port list holds `port`. Instead of a second's sleep it
    // waits until the modem's answer has stopped growing.
    ModemSetup Wizard(UnitLink& link, std::string port) {
        return ModemSetup(
            link,
            [port](char* buffer, unsigned long size) {
                if (port.size() + 2 > size) return 1UL;
                std::copy(port.begin(), port.end(), buffer);
                buffer[port.size()] = '\0';
                buffer[port.size() + 1] = '\0';
                return 0UL;
            },
            [&link](int) {
                const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
                size_t seen = 0;
                while (std::chrono::steady_clock::now() < end) {
                    const size_t now = link.comm_GetRcvCount();
                    if (now > 0 && now == seen) break;
                    seen = now;
                    std::this_thread::sleep_for(std::chrono::milliseconds(150));
                }
            });
    }

    std::string m_strEeprom;
    std::string m_strDevice;
    SimProcess m_sim;
};

TEST_F(ModemEmulator, WizardVerifiesTheModemAndLogsTheFiveSteps) {
    StreamUnitLink link(nullptr, nullptr);
    ModemSetup wizard = Wizard(link, m_strDevice);
    wizard.Open();
    wizard.Proceed();
    wizard.Proceed();
    // The modem echoes "AT" and CR, answers CR LF "OK" CR LF, then echoes the LF.
    EXPECT_EQ(wizard.m_strLog, m_strDevice +
                                   " aquired successfully.\r\nAT\r\r\nOK\r\n\n"
                                   "Modem verified successfully.\r\n");
    EXPECT_TRUE(wizard.m_bNextEnabled);
    wizard.Proceed();
    wizard.Proceed();
    EXPECT_EQ(wizard.m_strLog,
              "\r\n1. Set to factory (generic) defaults:\r\nAT&F0\r\r\nOK\r\n\n"
              "\r\n2. Save configuration to NVRAM profile 0:\r\nAT&W0\r\r\nOK\r\n\n"
              "\r\n3. Set default powerup configuration to NVRAM profile 0:\r\nATY0\r\r\nOK\r\n\n"
              "\r\n4. Send brand-specific initialization string:\r\n"
              "ATS0=1&M4&K0&N8&B1&H0&R1&S0\r\r\nOK\r\n\n"
              "\r\n5. Save completed configuration to NVRAM profile 0:\r\nAT&W0\r\r\nOK\r\n\n");
    wizard.Proceed();
    EXPECT_TRUE(wizard.m_bClosed);
    EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
}

TEST_F(ModemEmulator, WizardReportsAPortThatCannotBeOpened) {
    StreamUnitLink link(nullptr, nullptr);
    ModemSetup wizard = Wizard(link, "/dev/zrt-no-such-port");
    wizard.Open();
    wizard.Proceed();
    wizard.Proceed();
    EXPECT_EQ(wizard.m_strLog,
              "Unable to acquire /dev/zrt-no-such-port.  Please correct the problem and go to "
              "the previous step.");
    EXPECT_FALSE(wizard.m_bNextEnabled);
}

TEST_F(ModemEmulator, EchoFollowsTheEchoCommands) {
    StreamUnitLink link(nullptr, nullptr);
    ModemSetup wizard = Wizard(link, m_strDevice);
    ASSERT_EQ(link.comm_Connect(m_strDevice, 0, 1), UnitLink::kOk);
    const std::pair<const char*, const char*> exchanges[] = {
        {"ATE0\r", "ATE0\r\r\nOK\r\n"},  // the command itself is still echoed
        {"AT\r", "\r\nOK\r\n"},
        {"ATE0&F\r", "\r\nOK\r\n"},
        {"AT\r", "AT\r\r\nOK\r\n"},
    };
    for (const auto& [command, answer] : exchanges) {
        SCOPED_TRACE(command);
        wizard.SendModemCommand(command);
        EXPECT_EQ(wizard.m_strLastReply, answer);
    }
}

TEST_F(ModemEmulator, DialsTheUnitAndTalksToItOverTheCall) {
    for (int call = 0; call < 2; ++call) {
        SCOPED_TRACE(call);
        StreamUnitLink link(
            [this] { return std::optional<std::string>("modem:" + m_strDevice + ":5551234"); },
            [] { return std::optional<std::string>(""); });
        ASSERT_EQ(link.comm_GetUserConnection(0), UnitLink::kOk);
        ASSERT_EQ(link.comm_SetProgrammingMode(1), UnitLink::kOk);
        const std::vector<uint8_t> write = {0x04, 0x04, 0x10, 0x00, static_cast<uint8_t>(call)};
        ASSERT_EQ(link.comm_SendLop(write, 1, 0), UnitLink::kOk);
        std::span<const uint8_t> reply;
        ASSERT_EQ(link.comm_GetLopData(reply), UnitLink::kOk);
        EXPECT_EQ(std::vector<uint8_t>(reply.begin(), reply.end()), write);
        EXPECT_EQ(link.comm_SetProgrammingMode(0), UnitLink::kOk);
        link.comm_Disconnect();
    }
}

TEST(ModemDialling, ResultCodesOfTheDialMapToResultBits) {
    const std::string eeprom = (std::filesystem::temp_directory_path() /
                                ("zrt-dial-" + std::to_string(::getpid()) + ".bin"))
                                   .string();
    const std::pair<const char*, uint32_t> cases[] = {
        {"NO DIALTONE", UnitLink::kNoDialtone}, {"NO DIAL TONE", UnitLink::kNoDialtone},
        {"BUSY", UnitLink::kNoUnitFound},       {"NO CARRIER", UnitLink::kNoUnitFound},
        {"NO ANSWER", UnitLink::kNoUnitFound},  {"ERROR", UnitLink::kAddressBookError},
    };
    for (const auto& [result, bits] : cases) {
        SCOPED_TRACE(result);
        SimProcess sim;
        ASSERT_TRUE(sim.Start({"--eeprom", eeprom, "--modem", "--dial-result", result}));
        const std::string number = "modem:" + sim.Connection().substr(7) + ":5551234";
        StreamUnitLink link([number] { return std::optional<std::string>(number); },
                            [] { return std::optional<std::string>(""); });
        EXPECT_EQ(link.comm_GetUserConnection(0), bits);
        EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
    }
    std::filesystem::remove(eeprom);
}

}  // namespace
