#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "unit/link/LinkProtocol.h"

// Finds frames in a byte stream from either end of the line. It keeps the
// bytes of at most one frame, so no input can make it grow; a frame whose
// check byte is wrong is never passed on, and the parser slides one byte on
// and looks again, so it falls back into step after noise.
class FrameParser {
public:
    // The LOP message of a complete frame (without its check byte).
    using FrameHandler = std::function<void(std::span<const uint8_t>)>;

    // Takes bytes off the line; calls `onFrame` for every frame they complete.
    void Feed(std::span<const uint8_t> bytes, const FrameHandler& onFrame);

    // The line has gone quiet: gives up the partial frame at the front, one
    // byte at a time, until a complete frame turns up (passed to `onFrame`)
    // or nothing is left.
    void Resync(const FrameHandler& onFrame);

    // Forgets every kept byte.
    void Reset() { m_nKept = 0; }

    size_t Kept() const { return m_nKept; }
    // Bytes given up so far because they belonged to no valid frame.
    size_t Discarded() const { return m_nDiscarded; }

private:
    // Takes the frames that the kept bytes complete; false when the front
    // still waits for more bytes or nothing is kept.
    bool TakeFrame(const FrameHandler& onFrame);
    void DropFront(size_t count);

    std::array<uint8_t, LinkProtocol::kMaxFrame> m_kept{};
    size_t m_nKept = 0;
    size_t m_nDiscarded = 0;
};
