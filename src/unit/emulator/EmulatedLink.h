#pragma once

#include <map>
#include <string>
#include <vector>

#include "unit/UnitLink.h"
#include "unit/emulator/EmulatedUnit.h"
#include "unit/emulator/LinkFaults.h"

// A link to an emulated unit in the same process: the demonstration unit of
// the window and the unit of the tests. It never waits. Its connection dialog
// offers `m_strOfferedPassword`, its faults come from `m_faults`, and it keeps
// a trace of the calls and messages for the tests to read. A raw connection
// answers as a Hayes modem: every line echoed, then "OK" for an AT command.
class EmulatedLink : public UnitLink {
public:
    struct SentLop {
        std::vector<uint8_t> m_bytes;
        uint32_t m_nTimeout;
    };

    explicit EmulatedLink(EmulatedUnit& unit) : m_unit(unit) {}

    int comm_GetConnectedStatus() override { return m_bConnected ? 1 : 0; }
    uint32_t comm_GetUserConnection(int flags) override;
    uint32_t comm_SetProgrammingMode(int enter) override;
    uint32_t comm_SendLop(std::span<const uint8_t> message, int expectReply,
                          uint32_t timeoutMs) override;
    uint32_t comm_GetLopData(std::span<const uint8_t>& reply) override;
    uint32_t comm_GetCurrentPword(std::string& password) override;
    void comm_Disconnect() override;
    uint32_t comm_Connect(const std::string& port, int flags, int raw) override;
    uint32_t comm_SendRaw(std::span<const uint8_t> bytes) override;
    uint32_t comm_GetRcvCount() override;
    uint32_t comm_GetRcvBuff(std::span<const uint8_t>& bytes) override;
    void comm_DeleteDLLBytes(std::span<const uint8_t> bytes) override;

    // The messages sent with a given opcode.
    int CountSent(uint8_t opcode) const;

    LinkFaults m_faults;
    std::string m_strOfferedPassword;

    std::vector<std::string> m_calls;  // "GetUserConnection", "SetProgrammingMode(1)", "Disconnect"
    std::vector<SentLop> m_sent;

private:
    const LinkFaults::OnMessage* FaultFor(uint8_t opcode);
    void AnswerRawLine();

    EmulatedUnit& m_unit;
    bool m_bConnected = false;
    bool m_bRawOpen = false;
    std::string m_strPassword;
    std::map<uint8_t, int> m_sentByOpcode;
    int m_nAnswered = 0;
    uint32_t m_nReplyCode = kOk;
    std::vector<uint8_t> m_reply;
    std::string m_strRawLine;
    std::vector<uint8_t> m_rawPending;
    std::vector<uint8_t> m_rawHeld;
};
