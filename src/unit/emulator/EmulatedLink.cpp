#include "unit/emulator/EmulatedLink.h"

#include <algorithm>
#include <cctype>

#include "unit/LopMessages.h"

uint32_t EmulatedLink::comm_GetUserConnection(int) {
    m_calls.push_back("GetUserConnection");
    if (m_faults.m_nConnectError == kUserCancelled) return kUserCancelled;
    Attempting();
    if (m_faults.m_nConnectError != kOk) return m_faults.m_nConnectError;
    if (!m_unit.CheckPassword(m_strOfferedPassword)) return kPasswordRejected;
    m_bConnected = true;
    m_strPassword = m_strOfferedPassword;
    m_nAnswered = 0;
    return kOk;
}

uint32_t EmulatedLink::comm_SetProgrammingMode(int enter) {
    m_calls.push_back("SetProgrammingMode(" + std::to_string(enter) + ")");
    if (!m_bConnected) return kNoUnitFound;
    const uint32_t fault = enter ? m_faults.m_nEnterModeError : m_faults.m_nExitModeError;
    if (fault != kOk) return fault;
    m_unit.SetProgrammingMode(enter != 0);
    return kOk;
}

const LinkFaults::OnMessage* EmulatedLink::FaultFor(uint8_t opcode) {
    const int nth = ++m_sentByOpcode[opcode];
    for (const auto& f : m_faults.m_onMessage)
        if (f.m_nOpcode == opcode && f.m_nNth == nth) return &f;
    return nullptr;
}

uint32_t EmulatedLink::comm_SendLop(std::span<const uint8_t> message, int, uint32_t timeoutMs) {
    m_reply.clear();
    m_nReplyCode = kOk;
    if (!m_bConnected) return kNoUnitFound;
    m_sent.push_back({{message.begin(), message.end()}, timeoutMs});
    if (m_faults.m_nDisconnectAfter >= 0 && m_nAnswered >= m_faults.m_nDisconnectAfter) {
        m_bConnected = false;
        return kTimedOut;
    }
    ++m_nAnswered;
    const LinkFaults::OnMessage* fault = message.size() > 1 ? FaultFor(message[1]) : nullptr;
    if (fault && fault->m_kind == MessageFault::SendFails) return kHardwareUnavailable;

    const auto reply = m_unit.HandleLop(message);
    if (!reply) {
        m_nReplyCode = kBadAcknowledgement;
        return kOk;
    }
    m_reply = *reply;
    if (message[1] == Lop::kReadBlock && m_faults.m_nCorruptCell >= 0) {
        const size_t first = message[2] | (message[3] << 8);
        const auto cell = static_cast<size_t>(m_faults.m_nCorruptCell);
        if (cell >= first && cell < first + Lop::kBlockCells)
            m_reply[Lop::kReplyData + cell - first] ^= 0xFF;
    }
    if (!fault) return kOk;
    switch (fault->m_kind) {
        case MessageFault::NoReply:
            m_reply.clear();
            break;
        case MessageFault::ReplyError:
            m_nReplyCode = kBadAcknowledgement;
            break;
        case MessageFault::TimeOut:
            m_nReplyCode = kTimedOut;
            break;
        case MessageFault::WrongLength:
            m_reply.pop_back();
            --m_reply[0];
            break;
        case MessageFault::SendFails:
            break;
    }
    return kOk;
}

uint32_t EmulatedLink::comm_GetLopData(std::span<const uint8_t>& reply) {
    reply = {};
    if (m_nReplyCode != kOk) return m_nReplyCode;
    reply = m_reply;
    return kOk;
}

uint32_t EmulatedLink::comm_GetCurrentPword(std::string& password) {
    password = m_strPassword;
    return kOk;
}

void EmulatedLink::comm_Disconnect() {
    m_calls.push_back("Disconnect");
    m_bConnected = false;
    m_bRawOpen = false;
    m_reply.clear();
}

int EmulatedLink::CountSent(uint8_t opcode) const {
    return static_cast<int>(std::count_if(m_sent.begin(), m_sent.end(), [&](const SentLop& s) {
        return s.m_bytes.size() > 1 && s.m_bytes[1] == opcode;
    }));
}

uint32_t EmulatedLink::comm_Connect(const std::string&, int, int) {
    m_calls.push_back("Connect");
    if (m_faults.m_nConnectError != kOk) return m_faults.m_nConnectError;
    m_bRawOpen = true;
    m_strRawLine.clear();
    m_rawPending.clear();
    return kOk;
}

uint32_t EmulatedLink::comm_SendRaw(std::span<const uint8_t> bytes) {
    if (!m_bRawOpen) return kHardwareUnavailable;
    for (uint8_t b : bytes) {
        if (b == '\r') {
            AnswerRawLine();
        } else if (b != '\n') {
            m_strRawLine += static_cast<char>(b);
        }
    }
    return kOk;
}

void EmulatedLink::AnswerRawLine() {
    const bool at = m_strRawLine.size() >= 2 && std::toupper(m_strRawLine[0]) == 'A' &&
                    std::toupper(m_strRawLine[1]) == 'T';
    const std::string answer = m_strRawLine + "\r\r\n" + (at ? "OK" : "ERROR") + "\r\n";
    m_rawPending.insert(m_rawPending.end(), answer.begin(), answer.end());
    m_strRawLine.clear();
}

uint32_t EmulatedLink::comm_GetRcvCount() { return static_cast<uint32_t>(m_rawPending.size()); }

uint32_t EmulatedLink::comm_GetRcvBuff(std::span<const uint8_t>& bytes) {
    m_rawHeld = std::move(m_rawPending);
    m_rawPending.clear();
    bytes = m_rawHeld;
    return kOk;
}

void EmulatedLink::comm_DeleteDLLBytes(std::span<const uint8_t>) { m_rawHeld.clear(); }
