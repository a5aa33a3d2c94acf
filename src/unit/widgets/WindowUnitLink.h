#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "unit/UnitLink.h"

class LinkTrace;
class StreamUnitLink;
class EepromFile;
class EmulatedLink;
class EmulatedUnit;

// The window's link to a unit. When the program asks for a connection it asks
// the user where the unit is (the connection dialog), then talks through the
// serial, network or modem link, or to the built-in demonstration unit, whose
// memory is kept in a file between runs. While a reply is awaited the window
// gets a chance to repaint now and then, as the maker's library gave it.
class WindowUnitLink : public UnitLink {
public:
    // The connection text the user chose (kDemonstrationUnit for the built-in
    // unit), or nothing when cancelled.
    using Chooser = std::function<std::optional<std::string>()>;
    // The unit's password, or nothing when cancelled.
    using PasswordAsker = std::function<std::optional<std::string>()>;

    static constexpr const char* kDemonstrationUnit = "demo";

    WindowUnitLink(Chooser chooser, PasswordAsker password, std::string demoMemoryPath,
                   std::function<void()> pump);
    ~WindowUnitLink() override;

    int comm_GetConnectedStatus() override;
    uint32_t comm_GetUserConnection(int flags) override;
    uint32_t comm_SetProgrammingMode(int enter) override;
    uint32_t comm_SendLop(std::span<const uint8_t> message, int expectReply,
                          uint32_t timeoutMs) override;
    uint32_t comm_GetLopData(std::span<const uint8_t>& reply) override;
    uint32_t comm_GetCurrentPword(std::string& password) override;
    void comm_Disconnect() override;

    // Raw ports belong to the remote modem set-up, which opens its own.
    uint32_t comm_Connect(const std::string&, int, int) override { return kHardwareUnavailable; }
    uint32_t comm_SendRaw(std::span<const uint8_t>) override { return kHardwareUnavailable; }
    uint32_t comm_GetRcvCount() override { return 0; }
    uint32_t comm_GetRcvBuff(std::span<const uint8_t>& bytes) override {
        bytes = {};
        return kHardwareUnavailable;
    }
    void comm_DeleteDLLBytes(std::span<const uint8_t>) override {}
    std::string ConnectProblem() const override;

    const std::string& DemoMemoryPath() const { return m_strDemoPath; }

    // Records the traffic of every later connection to a unit on a line in a
    // new trace file in `folder`, keeping the last kTracesKept; empty stops.
    void SetTraceFolder(const std::string& folder) { m_strTraceFolder = folder; }

    // Around a connection made on a line (not the demonstration unit, which
    // answers at once): `connecting` is told true before the line is opened
    // and false once the connect has ended, whatever its result; `stop` is
    // looked at while the connect waits and ends it as cancelled.
    void SetConnectHooks(std::function<void(bool)> connecting, std::function<bool()> stop) {
        m_connecting = std::move(connecting);
        m_stop = std::move(stop);
    }
    const std::string& TraceFolder() const { return m_strTraceFolder; }

private:
    uint32_t ConnectDemo();
    void PumpNow();

    Chooser m_chooser;
    PasswordAsker m_password;
    std::string m_strDemoPath;
    std::function<void()> m_pump;
    std::function<void(bool)> m_connecting;
    std::function<bool()> m_stop;
    std::chrono::steady_clock::time_point m_lastPump;

    std::string m_strTraceFolder;
    std::unique_ptr<LinkTrace> m_trace;
    std::unique_ptr<StreamUnitLink> m_stream;
    std::unique_ptr<EmulatedUnit> m_demoUnit;
    std::unique_ptr<EmulatedLink> m_demo;
    uint64_t m_nDemoRevision = 0;
    UnitLink* m_active = nullptr;
};
