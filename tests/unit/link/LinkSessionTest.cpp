#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "unit/link/StreamUnitLink.h"

namespace {

using ByteVec = std::vector<uint8_t>;

ByteVec ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVec(std::istreambuf_iterator<char>(in), {});
}

// A link whose connection dialog picks `connection` and whose password prompt answers `password`.
StreamUnitLink LinkTo(const std::string& connection, const std::string& password) {
    return StreamUnitLink([connection] { return std::optional<std::string>(connection); },
                          [password] { return std::optional<std::string>(password); });
}

uint32_t Exchange(UnitLink& link, const ByteVec& message, std::span<const uint8_t>& reply,
                  uint32_t timeoutMs = 0) {
    const uint32_t sent = link.comm_SendLop(message, 1, timeoutMs);
    if (sent != UnitLink::kOk) return sent;
    return link.comm_GetLopData(reply);
}

class EmulatorLink : public ::testing::TestWithParam<bool> {
protected:
    bool StartSim(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--eeprom", m_strEeprom, "--password",
                                         "4321",     "--baud",    "1000000"};
        if (GetParam()) args.insert(args.end(), {"--tcp", "0"});
        args.insert(args.end(), extra.begin(), extra.end());
        return m_sim.Start(args);
    }

    TempDir m_dir;
    const std::string m_strEeprom = m_dir.PathOf("unit.bin");
    SimProcess m_sim;
};

TEST_P(EmulatorLink, WritesAndReadsCellsAndKeepsThemInTheFile) {
    ASSERT_TRUE(StartSim());
    StreamUnitLink link = LinkTo(m_sim.Connection(), "4321");
    ASSERT_EQ(link.comm_GetUserConnection(0), UnitLink::kOk);
    EXPECT_NE(link.comm_GetConnectedStatus(), 0);
    std::string password;
    link.comm_GetCurrentPword(password);
    EXPECT_EQ(password, "4321");
    ASSERT_EQ(link.comm_SetProgrammingMode(1), UnitLink::kOk);

    std::span<const uint8_t> reply;
    ASSERT_EQ(Exchange(link, {0x02, 0x2C, 0x00}, reply, 9000), UnitLink::kOk);
    EXPECT_EQ(ByteVec(reply.begin(), reply.end()), (ByteVec{0x02, 0x2C, 0x00}));
    for (uint16_t a = 0x20; a < 0x24; ++a) {
        const ByteVec write = {0x04, 0x04, static_cast<uint8_t>(a), 0x00,
                               static_cast<uint8_t>(0xA0 + a)};
        ASSERT_EQ(Exchange(link, write, reply), UnitLink::kOk);
        EXPECT_EQ(ByteVec(reply.begin(), reply.end()), write);
    }
    ASSERT_EQ(Exchange(link, {0x03, 0x05, 0x20, 0x00}, reply), UnitLink::kOk);
    ASSERT_EQ(reply.size(), 36u);
    EXPECT_EQ(ByteVec(reply.begin(), reply.begin() + 8),
              (ByteVec{0x23, 0x05, 0x20, 0x00, 0xC0, 0xC1, 0xC2, 0xC3}));
    EXPECT_EQ(reply[8], 0xFF);

    ASSERT_EQ(link.comm_SetProgrammingMode(0), UnitLink::kOk);
    link.comm_Disconnect();
    EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
    link.comm_Disconnect();  // harmless when closed

    const ByteVec cells = ReadFile(m_strEeprom);
    ASSERT_EQ(cells.size(), 65536u);
    EXPECT_EQ(ByteVec(cells.begin() + 0x20, cells.begin() + 0x25),
              (ByteVec{0xC0, 0xC1, 0xC2, 0xC3, 0xFF}));
    EXPECT_EQ(ByteVec(cells.begin() + 0xFFD0, cells.begin() + 0xFFD5),
              (ByteVec{'4', '3', '2', '1', 0x00}));
}

TEST_P(EmulatorLink, RefusesAWrongPasswordAndStaysClosed) {
    ASSERT_TRUE(StartSim());
    StreamUnitLink link = LinkTo(m_sim.Connection(), "1234");
    EXPECT_EQ(link.comm_GetUserConnection(0), UnitLink::kPasswordRejected);
    EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
    // The unit still answers the right password afterwards.
    StreamUnitLink again = LinkTo(m_sim.Connection(), "4321");
    EXPECT_EQ(again.comm_GetUserConnection(0), UnitLink::kOk);
}

// The password prompt comes up only for a unit that has a password; a unit
// without one keeps having none after the program writes it back.
TEST_P(EmulatorLink, AsksForThePasswordOnlyWhenTheUnitHasOne) {
    for (const bool locked : {false, true}) {
        SimProcess sim;
        std::vector<std::string> args = {"--eeprom", m_strEeprom + (locked ? ".locked" : "")};
        if (locked) args.insert(args.end(), {"--password", "4321"});
        if (GetParam()) args.insert(args.end(), {"--tcp", "0"});
        ASSERT_TRUE(sim.Start(args));
        int asked = 0;
        const std::string connection = sim.Connection();
        StreamUnitLink link([connection] { return std::optional<std::string>(connection); },
                            [&asked] {
                                ++asked;
                                return std::optional<std::string>("4321");
                            });
        ASSERT_EQ(link.comm_GetUserConnection(0), UnitLink::kOk) << locked;
        std::string password;
        link.comm_GetCurrentPword(password);
        EXPECT_EQ(asked, locked ? 1 : 0);
        EXPECT_EQ(password, locked ? "4321" : "");
        link.comm_Disconnect();
        std::filesystem::remove(m_strEeprom + ".locked");
    }
}

struct FaultCase {
    const char* what;
    const char* fault;  // at the 2nd unit message
    uint32_t result;
};

TEST_P(EmulatorLink, MapsLineFaultsToResultBits) {
    const FaultCase cases[] = {
        {"lost reply", "drop:2", UnitLink::kTimedOut},
        {"broken reply", "corrupt:2", UnitLink::kBadAcknowledgement},
        {"emulator killed", "die:2", UnitLink::kTimedOut},
        {"line hung up", "hangup:2", UnitLink::kTimedOut},
        {"stalled unit", "stall:2", UnitLink::kTimedOut},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        SimProcess sim;
        std::vector<std::string> args = {"--eeprom", m_strEeprom, "--baud",
                                         "1000000",  "--fault",   c.fault};
        if (GetParam()) args.insert(args.end(), {"--tcp", "0"});
        ASSERT_TRUE(sim.Start(args));
        StreamUnitLink link = LinkTo(sim.Connection(), "");
        // The window turns its event loop while a reply is awaited; that
        // changes nothing of the outcome.
        int waits = 0;
        link.SetWaitHook([&waits] { ++waits; });
        ASSERT_EQ(link.comm_GetUserConnection(0), UnitLink::kOk);
        ASSERT_EQ(link.comm_SetProgrammingMode(1), UnitLink::kOk);
        std::span<const uint8_t> reply;
        ASSERT_EQ(Exchange(link, {0x04, 0x04, 0x00, 0x00, 0x11}, reply), UnitLink::kOk);
        const auto start = std::chrono::steady_clock::now();
        waits = 0;
        EXPECT_EQ(Exchange(link, {0x04, 0x04, 0x01, 0x00, 0x22}, reply, 400), c.result);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        // A unit that stays silent is waited for in slices.
        const std::string fault = c.fault;
        if (fault.starts_with("drop") || fault.starts_with("stall")) {
            EXPECT_GT(waits, 1) << "the wait was one block";
        }
        link.comm_Disconnect();
        EXPECT_EQ(ReadFile(m_strEeprom).size(), 65536u);
    }
}

TEST_P(EmulatorLink, KeepsWhatWasWrittenWhenStopped) {
    ASSERT_TRUE(StartSim());
    StreamUnitLink link = LinkTo(m_sim.Connection(), "4321");
    ASSERT_EQ(link.comm_GetUserConnection(0), UnitLink::kOk);
    ASSERT_EQ(link.comm_SetProgrammingMode(1), UnitLink::kOk);
    std::span<const uint8_t> reply;
    ASSERT_EQ(Exchange(link, {0x04, 0x04, 0x00, 0x70, 0x5A}, reply), UnitLink::kOk);
    // Still in programming mode and connected: the emulator is told to stop.
    EXPECT_EQ(m_sim.Stop(SIGTERM), 0);
    const ByteVec cells = ReadFile(m_strEeprom);
    ASSERT_EQ(cells.size(), 65536u);
    EXPECT_EQ(cells[0x7000], 0x5A);
}

INSTANTIATE_TEST_SUITE_P(PtyAndTcp, EmulatorLink, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Tcp" : "Pty"; });

// A TCP port on 127.0.0.1 that nothing listens on.
int ClosedPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

TEST(LinkConnection, FailuresBeforeAnyUnitAnswersMapToResultBits) {
    const std::string refused = "tcp:127.0.0.1:" + std::to_string(ClosedPort());
    const std::pair<const char*, std::string> unopenable[] = {
        {"no such serial port", "serial:/dev/zrt-no-such-port"},
        {"not a serial port", "serial:/dev/null"},
    };
    for (const auto& [what, connection] : unopenable) {
        SCOPED_TRACE(what);
        StreamUnitLink link = LinkTo(connection, "");
        EXPECT_EQ(link.comm_GetUserConnection(0), UnitLink::kHardwareUnavailable);
        EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
    }
    EXPECT_EQ(LinkTo(refused, "").comm_GetUserConnection(0), UnitLink::kNoDialtone);
    EXPECT_EQ(LinkTo("usb:whatever", "").comm_GetUserConnection(0), UnitLink::kAddressBookError);
    StreamUnitLink cancelled([] { return std::nullopt; }, [] { return std::nullopt; });
    EXPECT_EQ(cancelled.comm_GetUserConnection(0), UnitLink::kUserCancelled);
    // Nothing may be sent before a connection.
    EXPECT_EQ(cancelled.comm_SetProgrammingMode(1), UnitLink::kNoUnitFound);
    EXPECT_EQ(cancelled.comm_SendLop(ByteVec{0x03, 0x05, 0x00, 0x00}, 1, 0),
              UnitLink::kNoUnitFound);
    cancelled.comm_Disconnect();
}

TEST(LinkConnection, CancelledPasswordPromptClosesTheLine) {
    TempDir dir;
    const std::string eeprom = dir.PathOf("unit.bin");
    SimProcess sim;
    // A unit with a password: only such a unit brings the prompt up.
    ASSERT_TRUE(sim.Start({"--eeprom", eeprom, "--password", "4321"}));
    const std::string connection = sim.Connection();
    StreamUnitLink link([connection] { return std::optional<std::string>(connection); },
                        [] { return std::nullopt; });
    EXPECT_EQ(link.comm_GetUserConnection(0), UnitLink::kUserCancelled);
    EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
}

}  // namespace
