#pragma once

#include <chrono>
#include <cstddef>

// Keeps the emulated line to a baud rate in both directions: bytes from the
// computer count as arrived only when a real line would have carried them,
// and bytes to the computer are handed over when their last bit would have
// arrived. A rate of 0 means no pacing.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit LinePacer(int baud);

    // `count` bytes were read now; returns when the last of them is complete.
    Clock::time_point Received(size_t count);
    // When `count` bytes, ready to send at `ready`, would have arrived in full.
    Clock::time_point Sent(size_t count, Clock::time_point ready);
    // Sleeps until `when`.
    static void WaitUntil(Clock::time_point when);
    // Forgets the line's history (a new connection).
    void Reset();

private:
    Clock::duration ByteTime(size_t count) const;

    int m_nBaud;
    Clock::time_point m_rxFree;
    Clock::time_point m_txFree;
};
