#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

// The link to a unit: one connection at a time, over which the program sends
// LOP messages (byte 0 the count of bytes that follow, then an opcode and its
// arguments) or raw bytes to a modem. A result of 0 is success; anything else
// is a set of the error bits below. The serial, network and modem links, the
// built-in demonstration unit and the tests' emulated unit each implement it.
class UnitLink {
public:
    static constexpr uint32_t kOk = 0;
    static constexpr uint32_t kUserCancelled = 0x40000000;
    static constexpr uint32_t kHardwareUnavailable = 0x20000000;
    static constexpr uint32_t kNoDialtone = 0x10000000;
    static constexpr uint32_t kNoUnitFound = 0x08000000;
    static constexpr uint32_t kTimedOut = 0x04000000;
    static constexpr uint32_t kPasswordRejected = 0x02000000;
    static constexpr uint32_t kAddressBookError = 0x01000000;
    static constexpr uint32_t kBadAcknowledgement = 0x00800000;

    // Time-outs of comm_SendLop: the link's own, or the one an erase needs.
    static constexpr uint32_t kDefaultTimeout = 0;
    static constexpr uint32_t kEraseTimeout = 9000;

    virtual ~UnitLink() = default;

    // Non-zero while a unit connection is open.
    virtual int comm_GetConnectedStatus() = 0;
    // The user picks an address-book entry and the link connects to it,
    // asking for the unit's password. `flags` is 0.
    virtual uint32_t comm_GetUserConnection(int flags) = 0;
    // 1 enters the unit's programming mode, 0 leaves it.
    virtual uint32_t comm_SetProgrammingMode(int enter) = 0;
    // Sends one LOP message; `expectReply` is 1. kOk means a reply is waiting.
    virtual uint32_t comm_SendLop(std::span<const uint8_t> message, int expectReply,
                                  uint32_t timeoutMs) = 0;
    // The reply to the last message: byte 0 its length count, data from byte 4.
    // The bytes stay the link's and are valid until the next call.
    virtual uint32_t comm_GetLopData(std::span<const uint8_t>& reply) = 0;
    // The password of the connection in use, at most 9 characters.
    virtual uint32_t comm_GetCurrentPword(std::string& password) = 0;
    // Closes the connection; harmless when it is closed.
    virtual void comm_Disconnect() = 0;

    // Opens a port for raw use (the modem set-up): port name, 0, 1.
    virtual uint32_t comm_Connect(const std::string& port, int flags, int raw) = 0;
    virtual uint32_t comm_SendRaw(std::span<const uint8_t> bytes) = 0;
    // Received bytes waiting.
    virtual uint32_t comm_GetRcvCount() = 0;
    // Takes the received bytes; they stay valid until comm_DeleteDLLBytes.
    virtual uint32_t comm_GetRcvBuff(std::span<const uint8_t>& bytes) = 0;
    virtual void comm_DeleteDLLBytes(std::span<const uint8_t> bytes) = 0;

    // After a failed comm_GetUserConnection: what the user can do about it,
    // when the link knows more than its error bits say (a serial port this
    // user may not open, or one in use). Empty otherwise.
    virtual std::string ConnectProblem() const { return {}; }

    // Told by comm_GetUserConnection once the user has chosen where to
    // connect (the connection dialog's OK) and the link starts to connect
    // there; never when the choice was cancelled.
    void SetAttemptHook(std::function<void()> hook) { m_attempt = std::move(hook); }

protected:
    void Attempting() const {
        if (m_attempt) m_attempt();
    }

private:
    std::function<void()> m_attempt;
};
