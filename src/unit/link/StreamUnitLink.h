#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "unit/UnitLink.h"
#include "unit/link/LinkSession.h"
#include "unit/link/PortOpenError.h"

class SerialTransport;

// The link to a real unit (or the emulator) over a serial port, a TCP
// connection (raw or RFC 2217) or a dialled modem, speaking docs/link-protocol.md. Which
// connection to open is asked of the caller's provider when the program asks
// for a connection, and the password only when the unit refuses an empty one,
// so the window can show its own dialogs and the command-line tool can pass
// fixed answers.
class StreamUnitLink : public UnitLink {
public:
    // Each returns nothing when the user cancels. A connection is a text such
    // as "serial:ttyUSB0:9600", "tcp:10.0.0.5:4001" or "modem:ttyS0:5551234".
    using ConnectionProvider = std::function<std::optional<std::string>()>;
    using PasswordProvider = std::function<std::optional<std::string>()>;

    // Opens a serial port (for a unit or its modem) at `baud`; nothing, with
    // `error` set, when it cannot.
    using SerialOpener = std::function<std::unique_ptr<LinkTransport>(
        const std::string& device, int baud, PortOpenError& error)>;

    StreamUnitLink(ConnectionProvider connection, PasswordProvider password,
                   SerialOpener openSerial = OpenSerialPort);
    ~StreamUnitLink() override;

    int comm_GetConnectedStatus() override;
    uint32_t comm_GetUserConnection(int flags) override;
    uint32_t comm_SetProgrammingMode(int enter) override;
    uint32_t comm_SendLop(std::span<const uint8_t> message, int expectReply,
                          uint32_t timeoutMs) override;
    uint32_t comm_GetLopData(std::span<const uint8_t>& reply) override;
    uint32_t comm_GetCurrentPword(std::string& password) override;
    void comm_Disconnect() override;

    // Raw use of a serial port (the modem set-up): 9600 baud, 8N1, no flow control.
    uint32_t comm_Connect(const std::string& port, int flags, int raw) override;
    uint32_t comm_SendRaw(std::span<const uint8_t> bytes) override;
    uint32_t comm_GetRcvCount() override;
    uint32_t comm_GetRcvBuff(std::span<const uint8_t>& bytes) override;
    void comm_DeleteDLLBytes(std::span<const uint8_t> bytes) override;

    std::string ConnectProblem() const override { return m_strProblem; }

    // The real serial port.
    static std::unique_ptr<LinkTransport> OpenSerialPort(const std::string& device, int baud,
                                                         PortOpenError& error);

    // Records the traffic of every later connection; null stops recording.
    void SetTrace(LinkTrace* trace) { m_pTrace = trace; }
    // Runs while every later connection awaits a reply (LinkSession::SetWaitHook).
    void SetWaitHook(std::function<void()> hook) { m_waitHook = std::move(hook); }
    // Looked at after each turn of the wait hook while a connection is made
    // (TCP connect, RFC 2217 set-up, modem dial, the unit's first reply):
    // true closes the line, which ends the connect at once as cancelled by
    // the user (UnitLink::kUserCancelled, no problem said).
    void SetStopCheck(std::function<bool()> stop) { m_stop = std::move(stop); }

private:
    uint32_t OpenSession(const std::string& description);
    uint32_t ConnectTo(const std::string& description);
    // Moves what the raw port has received into m_raw, without waiting; m_raw
    // keeps the newest LinkTransport::kDiscardLimit bytes.
    void CollectRaw();
    // The hook the line's waits call while connecting: the window's turn,
    // then the stop check, which closes the line being connected.
    std::function<void()> ConnectWaitHook();

    ConnectionProvider m_connection;
    PasswordProvider m_password;
    SerialOpener m_openSerial;
    std::string m_strProblem;
    std::function<void()> m_waitHook;
    std::function<bool()> m_stop;
    LinkTransport* m_pConnecting = nullptr;  // the line being connected, until it is
    bool m_bStopped = false;
    std::unique_ptr<LinkSession> m_session;
    std::unique_ptr<SerialTransport> m_rawPort;
    std::vector<uint8_t> m_raw;       // received, not yet taken
    std::vector<uint8_t> m_rawTaken;  // handed out by comm_GetRcvBuff
    std::string m_strPassword;
    LinkTrace* m_pTrace = nullptr;
};
