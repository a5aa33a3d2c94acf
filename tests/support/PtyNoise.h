#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <thread>

// A pseudo-terminal whose far end sends random bytes with the high bit set
// without pause, as a port set slower than the device on it sees (no such byte
// can start a frame, so only the clock can end a wait). Its lifetime bounds
// the noise, so a program that does not give up is caught by its clock.
class PtyNoise {
public:
    explicit PtyNoise(std::chrono::seconds lifetime = std::chrono::seconds(20)) {
        m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_nMaster < 0 || ::grantpt(m_nMaster) != 0 || ::unlockpt(m_nMaster) != 0) return;
        m_strDevice = ::ptsname(m_nMaster);
        m_thread = std::thread([this, lifetime] { Send(lifetime); });
    }
    PtyNoise(const PtyNoise&) = delete;
    PtyNoise& operator=(const PtyNoise&) = delete;
    ~PtyNoise() {
        m_bStop = true;
        if (m_thread.joinable()) m_thread.join();
        if (m_nMaster >= 0) ::close(m_nMaster);
    }

    // The serial device the program opens; empty when no pseudo-terminal could be had.
    const std::string& Device() const { return m_strDevice; }

private:
    void Send(std::chrono::seconds lifetime) {
        const auto end = std::chrono::steady_clock::now() + lifetime;
        std::mt19937 random(34);
        uint8_t chunk[1024];
        while (!m_bStop && std::chrono::steady_clock::now() < end) {
            for (uint8_t& b : chunk) b = static_cast<uint8_t>(0x80 | random());
            pollfd pfd{m_nMaster, POLLIN | POLLOUT, 0};
            if (::poll(&pfd, 1, 10) <= 0) continue;
            if (pfd.revents & POLLIN) {
                uint8_t sink[1024];
                (void)::read(m_nMaster, sink, sizeof sink);
            }
            if (pfd.revents & POLLOUT) (void)::write(m_nMaster, chunk, sizeof chunk);
        }
    }

    int m_nMaster = -1;
    std::string m_strDevice;
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
