#pragma once

#include <cstdint>
#include <vector>

// What an emulated link does wrong, so that every error path of the unit
// operations can be driven for real.
enum class MessageFault {
    SendFails,    // the message does not leave: comm_SendLop fails (hardware unavailable)
    NoReply,      // the unit acts on it, but comm_GetLopData gives no reply
    ReplyError,   // the unit acts on it, but the reply is bad (bad acknowledgement)
    TimeOut,      // the unit acts on it, but the reply does not come in time
    WrongLength,  // the reply lacks its last byte and its length count says so
};

struct LinkFaults {
    // comm_GetUserConnection answers this instead of connecting: kUserCancelled
    // for a cancelled connection dialog, other bits for a refusal.
    uint32_t m_nConnectError = 0;
    // comm_SetProgrammingMode answers these.
    uint32_t m_nEnterModeError = 0;
    uint32_t m_nExitModeError = 0;

    // A fault on the `m_nNth` (from 1) message whose opcode is `m_nOpcode`.
    struct OnMessage {
        MessageFault m_kind;
        uint8_t m_nOpcode;
        int m_nNth = 1;
    };
    std::vector<OnMessage> m_onMessage;

    // This cell reads back with its bits inverted (-1: none).
    int m_nCorruptCell = -1;
    // The line drops after this many messages (-1: never); every later message
    // times out and the connection is closed.
    int m_nDisconnectAfter = -1;
};
