#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>

// A record of the traffic with a unit, for finding out why a unit "did not
// respond": every frame sent and received with a millisecond time stamp and
// its bytes in hex, and every time-out. A frame carrying the password shows
// "**" for each of those bytes and for its check byte, which is computed over them.
class LinkTrace {
public:
    // Appends to the file at `path`; Ok() tells whether it could be opened.
    explicit LinkTrace(const std::string& path);
    bool Ok() const { return m_out.good(); }

    // `secretFrom` and `secretCount` mark the bytes of the frame to mask.
    void Sent(std::span<const uint8_t> frame, size_t secretFrom = 0, size_t secretCount = 0);
    void Received(std::span<const uint8_t> frame);
    void TimedOut(int waitedMs);
    void Note(const std::string& text);

private:
    void Line(const std::string& text);

    std::ofstream m_out;
};

// Where the window keeps its traces: a new file name in `folder` for a trace
// starting now, after removing the oldest traces so that with the new one at
// most `keep` remain.
std::string NextTracePath(const std::string& folder, size_t keep);

// How many traces the window keeps.
inline constexpr size_t kTracesKept = 10;
