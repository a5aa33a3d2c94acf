#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "model/CZRTProDoc.h"
#include "support/ScriptedPrompter.h"
#include "support/Ser2netProcess.h"
#include "support/SimProcess.h"
#include "tree/BuildTree.h"
#include "tree/MemoryTree.h"
#include "unit/ReadUnit.h"
#include "unit/WriteUnit.h"
#include "unit/link/StreamUnitLink.h"

namespace {

constexpr int kBaud = 115200;

// Passes every call on and counts the LOP bytes the operations send and receive.
class CountingLink : public UnitLink {
public:
    explicit CountingLink(UnitLink& link) : m_link(link) {}

    int comm_GetConnectedStatus() override { return m_link.comm_GetConnectedStatus(); }
    uint32_t comm_GetUserConnection(int flags) override {
        return m_link.comm_GetUserConnection(flags);
    }
    uint32_t comm_SetProgrammingMode(int enter) override {
        return m_link.comm_SetProgrammingMode(enter);
    }
    uint32_t comm_SendLop(std::span<const uint8_t> message, int expectReply,
                          uint32_t timeoutMs) override {
        if (!message.empty()) m_nBytes += size_t{message[0]} + 1;
        return m_link.comm_SendLop(message, expectReply, timeoutMs);
    }
    uint32_t comm_GetLopData(std::span<const uint8_t>& reply) override {
        const uint32_t result = m_link.comm_GetLopData(reply);
        m_nBytes += reply.size();
        return result;
    }
    uint32_t comm_GetCurrentPword(std::string& password) override {
        return m_link.comm_GetCurrentPword(password);
    }
    void comm_Disconnect() override { m_link.comm_Disconnect(); }
    std::string ConnectProblem() const override { return m_link.ConnectProblem(); }
    uint32_t comm_Connect(const std::string& port, int flags, int raw) override {
        return m_link.comm_Connect(port, flags, raw);
    }
    uint32_t comm_SendRaw(std::span<const uint8_t> bytes) override {
        return m_link.comm_SendRaw(bytes);
    }
    uint32_t comm_GetRcvCount() override { return m_link.comm_GetRcvCount(); }
    uint32_t comm_GetRcvBuff(std::span<const uint8_t>& bytes) override {
        return m_link.comm_GetRcvBuff(bytes);
    }
    void comm_DeleteDLLBytes(std::span<const uint8_t> bytes) override {
        m_link.comm_DeleteDLLBytes(bytes);
    }

    size_t m_nBytes = 0;

private:
    UnitLink& m_link;
};

// The fullest configuration: 8 ports with 8 camera interface units (192 inputs),
// 298 unassigned numbers (490 recon records in all), 255 idle loop entries.
void MakeLargestSite(CZRTProDoc& doc, MemoryTree& tree, Prompter& prompter) {
    BuildTree(doc, tree, prompter, nullptr, false, 192, 1000, 8, 8);
    doc.m_nPagingSystem = 2;
    doc.m_nDialDigits = 3;
    for (int k = 0; k < 298; ++k) doc.m_zones.push_back({std::to_string(3000 + k), "Zone", k});
    doc.m_idleLoop.clear();
    for (int k = 0; k < 255; ++k) doc.m_idleLoop.push_back(std::to_string(1001 + k % 192));
}

enum class Journey { Plain, Safe, Rfc2217 };

// Writes the largest configuration into the emulator pacing a 115,200-baud line
// on a pseudo-terminal and reads it back, straight or through ser2net's RFC 2217
// port; compares the time with the time the LOP bytes alone take on such a line.
// The safe write first keeps the unit's memory in the history, then erases,
// writes and verifies.
void RunLargest(benchmark::State& state, Journey journey) {
    static int argc = 1;
    static char name[] = "zrt_link_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    const bool safe = journey == Journey::Safe;
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("zrt-link-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    const std::string eeprom = (scratch / "unit.bin").string();
    for (auto _ : state) {
        std::filesystem::remove(eeprom);
        SimProcess sim;
        if (!sim.Start({"--eeprom", eeprom, "--baud", std::to_string(kBaud)})) {
            state.SkipWithError("the emulator did not start");
            return;
        }
        std::string connection = sim.Connection();
        Ser2netProcess server;
        if (journey == Journey::Rfc2217) {
            if (Ser2netProcess::Program().empty()) {
                state.SkipWithError("ser2net is not installed (scripts/deps installs it)");
                return;
            }
            const std::string device = connection.substr(std::string("serial:").size());
            if (!server.Start(device, scratch.string())) {
                state.SkipWithError("ser2net did not start");
                return;
            }
            connection = server.Rfc2217Connection(kBaud);
        }
        CZRTProDoc doc;
        MemoryTree tree;
        ScriptedPrompter prompter;
        MakeLargestSite(doc, tree, prompter);
        doc.SetModifiedFlag(false);
        prompter.m_unitModelAnswers.push_back({{2, 0}, true});
        MainState mainState;
        mainState.m_bKeepBeforeWrite = safe;
        mainState.m_bEnableVerify = safe;
        mainState.m_strHistoryFolder = (scratch / "unit-history").string();
        StreamUnitLink real([connection] { return std::optional<std::string>(connection); },
                            [] { return std::optional<std::string>(""); });
        CountingLink link(real);
        LinkUiHooks ui;
        SystemClock clock;
        UnitContext c{doc, tree, prompter, mainState, link, ui, clock};

        const auto start = std::chrono::steady_clock::now();
        WriteUnit(c);
        if (!safe) ReadUnit(c);
        const double total =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!prompter.m_shown.empty()) {
            state.SkipWithError(prompter.m_shown.front().m_strText.c_str());
            return;
        }
        const double wire = static_cast<double>(link.m_nBytes) * 10.0 / kBaud;
        state.SetIterationTime(total);
        state.counters["lop_bytes"] = static_cast<double>(link.m_nBytes);
        state.counters["total_s"] = total;
        state.counters["wire_s"] = wire;
        state.counters["ratio"] = total / wire;
        const char* what = safe ? "safe write (copy + erase + write + verify)"
                           : journey == Journey::Rfc2217 ? "write + read through RFC 2217"
                                                         : "write + read";
        std::printf(
            "%s of the largest configuration at %d baud: total %.2f s, wire %.2f s (%zu "
            "LOP bytes), ratio %.3f\n",
            what, kBaud, total, wire, link.m_nBytes, total / wire);
    }
    std::filesystem::remove_all(scratch);
}

void BM_WriteAndReadLargestOverPty(benchmark::State& state) { RunLargest(state, Journey::Plain); }
BENCHMARK(BM_WriteAndReadLargestOverPty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_SafeWriteLargestOverPty(benchmark::State& state) { RunLargest(state, Journey::Safe); }
BENCHMARK(BM_SafeWriteLargestOverPty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_WriteAndReadLargestThroughRfc2217(benchmark::State& state) {
    RunLargest(state, Journey::Rfc2217);
}
BENCHMARK(BM_WriteAndReadLargestThroughRfc2217)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
