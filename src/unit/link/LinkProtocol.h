#pragma once

#include <cstddef>
#include <cstdint>

#include "unit/ConnectionAddress.h"

// The constants of our framing and session protocol on the line to the unit
// (docs/link-protocol.md). Shared by the host side and the unit emulator.
namespace LinkProtocol {

// A frame is a LOP message (its byte 0 counts the body bytes) and one CRC-8 byte.
inline constexpr size_t kMaxBody = 64;
inline constexpr size_t kMaxFrame = kMaxBody + 2;
inline constexpr size_t kMaxPassword = 9;

// Session messages of our own; the unit's EEPROM and clock opcodes are the program's (Lop::).
inline constexpr uint8_t kOpConnect = 0x40;
inline constexpr uint8_t kOpProgram = 0x41;
inline constexpr uint8_t kOpBye = 0x42;
inline constexpr uint8_t kOpRefused = 0x7F;
// "Done, and my reply is your message": 02 06 cc, cc = the request's check byte.
inline constexpr uint8_t kOpEchoAck = 0x06;

inline constexpr uint8_t kConnectAccepted = 0x00;
inline constexpr uint8_t kConnectRejected = 0x01;

inline constexpr uint8_t kRefusedUnknown = 0x01;
inline constexpr uint8_t kRefusedNotProgramming = 0x02;
inline constexpr uint8_t kRefusedNoSession = 0x03;

// Body length of a 32-cell read reply: opcode, address, 32 cells.
inline constexpr size_t kReadBlockReplyBody = 35;

// Waits of the host, in milliseconds.
inline constexpr int kDefaultReplyMs = 2000;
inline constexpr int kConnectReplyMs = 3000;
inline constexpr int kByeReplyMs = 250;
inline constexpr int kHostQuietMs = 50;
inline constexpr int kTcpConnectMs = 5000;
inline constexpr int kModemOkMs = 2000;
inline constexpr int kModemDialMs = 60000;

// The unit drops a partial frame after this long without a byte.
inline constexpr int kUnitQuietMs = 200;

inline constexpr int kDefaultBaud = ConnectionAddress::kDefaultBaud;

}  // namespace LinkProtocol
