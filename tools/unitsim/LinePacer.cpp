#include "LinePacer.h"

#include <sys/prctl.h>
#include <time.h>

#include <algorithm>
#include <cerrno>

LinePacer::LinePacer(int baud) : m_nBaud(baud) {
    // Sleeps end on time; the default slack would add tens of microseconds per byte group.
    if (m_nBaud > 0) ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
}

LinePacer::Clock::duration LinePacer::ByteTime(size_t count) const {
    if (m_nBaud <= 0) return Clock::duration::zero();
    // Ten bits a byte: start bit, eight data bits, stop bit.
    const auto ns = static_cast<long long>(count) * 10LL * 1000000000LL / m_nBaud;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(ns));
}

LinePacer::Clock::time_point LinePacer::Received(size_t count) {
    m_rxFree = std::max(m_rxFree, Clock::now()) + ByteTime(count);
    return m_rxFree;
}

LinePacer::Clock::time_point LinePacer::Sent(size_t count, Clock::time_point ready) {
    m_txFree = std::max(m_txFree, ready) + ByteTime(count);
    return m_txFree;
}

void LinePacer::WaitUntil(Clock::time_point when) {
    if (when <= Clock::now()) return;
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    timespec target{static_cast<time_t>(ns / 1000000000LL), static_cast<long>(ns % 1000000000LL)};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
    }
}

void LinePacer::Reset() {
    m_rxFree = Clock::time_point();
    m_txFree = Clock::time_point();
}
