// Lines that never stop sending, or never answer: every wait ends by the wall
// clock at its time-out plus a small margin, what is kept of the bytes stays
// bounded, and the waits keep turning the window's event loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/LineFloodServer.h"
#include "support/PtyNoise.h"
#include "unit/link/LinkProtocol.h"
#include "unit/link/StreamUnitLink.h"

namespace {

using Clock = std::chrono::steady_clock;
using ByteVec = std::vector<uint8_t>;
namespace LP = LinkProtocol;

constexpr uint8_t kIac = 255, kNop = 241, kSb = 250, kComPort = 44;
constexpr uint32_t kBaud = 9600;
// Far more than scheduling or a sanitizer adds to a wait, far less than a wait that does not end.
constexpr auto kMargin = std::chrono::milliseconds(3000);
// Far more than the link keeps; far less than a buffer that grows with the flood.
constexpr long kMostGrowthKb = 64 * 1024;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The process's peak resident size since the last ResetPeak, in KiB; -1 when unknown.
long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}
bool ResetPeak() { return static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5"); }

struct Outcome {
    uint32_t m_nResult = 0;
    Clock::duration m_took{};
    Clock::duration m_longestTurnGap{};
    long m_nGrowthKb = -1;  // -1 when it could not be measured
};

// Connects as the window does, its wait hook standing for the event loop.
Outcome Connect(const std::string& connection) {
    StreamUnitLink link([connection] { return std::optional<std::string>(connection); },
                        [] { return std::optional<std::string>(""); });
    Outcome outcome;
    Clock::time_point lastTurn = Clock::now();
    link.SetWaitHook([&] {
        const auto now = Clock::now();
        outcome.m_longestTurnGap = std::max(outcome.m_longestTurnGap, now - lastTurn);
        lastTurn = now;
    });
    const bool measured = !kSanitized && ResetPeak();
    const long before = ResidentKb();
    const auto start = Clock::now();
    lastTurn = start;
    outcome.m_nResult = link.comm_GetUserConnection(0);
    outcome.m_took = Clock::now() - start;
    if (measured && before >= 0) outcome.m_nGrowthKb = PeakKb() - before;
    link.comm_Disconnect();
    return outcome;
}

struct FloodCase {
    const char* what;
    bool rfc2217;
    ByteVec opening;
    ByteVec flood;
    uint32_t result;
    int boundMs;  // the time-out that should end it
};

ByteVec Cat(ByteVec a, const ByteVec& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The connect ended as `result` within its bound, the window turning all
// along (not only when the line is quiet), in bounded memory.
void ExpectEndedByTheClock(const Outcome& outcome, uint32_t result, int boundMs) {
    EXPECT_EQ(outcome.m_nResult, result);
    EXPECT_LT(outcome.m_took, std::chrono::milliseconds(boundMs) + kMargin);
    EXPECT_LT(outcome.m_longestTurnGap, std::chrono::milliseconds(500));
    EXPECT_LT(outcome.m_nGrowthKb, kMostGrowthKb);  // -1 when not measured
}

TEST(LineFlood, EveryWaitEndsByTheClockWithBoundedMemoryWhateverTheLineSends) {
    const ByteVec settled = LineFloodServer::Rfc2217Settled(kBaud);
    const FloodCase cases[] = {
        {"raw TCP: zeros without pause",
         false,
         {},
         {0},
         UnitLink::kNoUnitFound,
         LP::kConnectReplyMs},
        {"raw TCP: frames with wrong check bytes",
         false,
         {},
         {0x02, 0x40, 0x00, 0x99},
         UnitLink::kNoUnitFound,
         LP::kConnectReplyMs},
        {"raw TCP: accepts and never answers",
         false,
         {},
         {},
         UnitLink::kNoUnitFound,
         LP::kConnectReplyMs},
        {"RFC 2217: zeros once the line is settled",
         true,
         settled,
         {0},
         UnitLink::kNoUnitFound,
         LP::kConnectReplyMs},
        {"RFC 2217: no-operations once the line is settled",
         true,
         settled,
         {kIac, kNop},
         UnitLink::kNoUnitFound,
         LP::kConnectReplyMs},
        {"RFC 2217: a subnegotiation without end",
         true,
         Cat(settled, {kIac, kSb, kComPort}),
         {'x'},
         UnitLink::kNoUnitFound,
         LP::kConnectReplyMs},
        {"RFC 2217: data before the set-up answers",
         true,
         {},
         {0x55},
         UnitLink::kHardwareUnavailable,
         LP::kTcpConnectMs},
        {"RFC 2217: no-operations before the set-up answers",
         true,
         {},
         {kIac, kNop},
         UnitLink::kHardwareUnavailable,
         LP::kTcpConnectMs},
        {"RFC 2217: accepts and never answers",
         true,
         {},
         {},
         UnitLink::kHardwareUnavailable,
         LP::kTcpConnectMs},
    };
    for (const FloodCase& c : cases) {
        SCOPED_TRACE(c.what);
        LineFloodServer server(c.opening, c.flood);
        ASSERT_NE(server.Port(), 0);
        const std::string connection =
            c.rfc2217 ? "rfc2217:" + server.Address() + ":" + std::to_string(kBaud)
                      : "tcp:" + server.Address();
        ExpectEndedByTheClock(Connect(connection), c.result, c.boundMs);
    }
}

TEST(LineFlood, ASerialPortFullOfNoiseEndsByTheClock) {
    PtyNoise noise;
    ASSERT_FALSE(noise.Device().empty());
    const struct {
        std::string connection;
        uint32_t result;
        int boundMs;
    } cases[] = {
        {"serial:" + noise.Device() + ":115200", UnitLink::kNoUnitFound, LP::kConnectReplyMs},
        // A modem that never says "OK" among the noise.
        {"modem:" + noise.Device() + ":115200:5551234", UnitLink::kHardwareUnavailable,
         LP::kModemOkMs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.connection);
        ExpectEndedByTheClock(Connect(c.connection), c.result, c.boundMs);
    }
}

// The modem set-up's raw port: taking what arrived ends, and keeps a bounded tail.
TEST(LineFlood, TheRawPortKeepsABoundedTailOfANoisyLine) {
    PtyNoise noise;
    ASSERT_FALSE(noise.Device().empty());
    StreamUnitLink link([] { return std::nullopt; }, [] { return std::nullopt; });
    ASSERT_EQ(link.comm_Connect(noise.Device(), 0, 1), UnitLink::kOk);
    const uint8_t attention[] = {'A', 'T', '\r'};
    ASSERT_EQ(link.comm_SendRaw(attention), UnitLink::kOk);
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_LE(link.comm_GetRcvCount(), LinkTransport::kDiscardLimit);
    }
    std::span<const uint8_t> received;
    EXPECT_EQ(link.comm_GetRcvBuff(received), UnitLink::kOk);
    EXPECT_GT(received.size(), 0u);
    EXPECT_LE(received.size(), LinkTransport::kDiscardLimit);
    link.comm_Disconnect();
}

}  // namespace

// When the user's Cancel comes in the tests below.
constexpr std::chrono::milliseconds kStopAfter{300};

// The user's Cancel during a connect: whichever wait the connect is in (the TCP
// connection, the RFC 2217 set-up, the modem's answer, the unit's first reply),
// the stop check ends it at once as cancelled, with no problem to tell.
TEST(LineFlood, AStopDuringAnyConnectWaitEndsItAtOnceAsCancelled) {
    LineFloodServer silent({}, {});
    LineFloodServer settledThenSilent(LineFloodServer::Rfc2217Settled(kBaud), {});
    PtyNoise noise;
    ASSERT_FALSE(noise.Device().empty());
    const std::string cases[] = {
        "tcp:" + silent.Address(),
        "rfc2217:" + silent.Address() + ":9600",
        "rfc2217:" + settledThenSilent.Address() + ":9600",
        "serial:" + noise.Device() + ":115200",
        "modem:" + noise.Device() + ":115200:5551234",
    };
    for (const std::string& connection : cases) {
        SCOPED_TRACE(connection);
        StreamUnitLink link([connection] { return std::optional<std::string>(connection); },
                            [] { return std::optional<std::string>(""); });
        int turns = 0;
        link.SetWaitHook([&turns] { ++turns; });
        const auto start = Clock::now();
        link.SetStopCheck([start] { return Clock::now() - start > kStopAfter; });
        EXPECT_EQ(link.comm_GetUserConnection(0), UnitLink::kUserCancelled);
        EXPECT_LT(Clock::now() - start, kStopAfter + std::chrono::milliseconds(700));
        EXPECT_GT(turns, 0);
        EXPECT_EQ(link.ConnectProblem(), "");
        EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
    }
}
