#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// CRC-8 with polynomial x^8 + x^2 + x + 1, initial value 0, not reflected: the
// check byte at the end of every frame.
uint8_t LinkCrc8(std::span<const uint8_t> bytes);

// The frame for a LOP message (byte 0 = count of the bytes that follow, 1 to
// 64): the message's own bytes followed by the check byte. Empty when the
// message is malformed (bad count, or fewer bytes than it announces).
std::vector<uint8_t> EncodeFrame(std::span<const uint8_t> lop);
