#include "unit/link/Rfc2217Transport.h"

#include <algorithm>
#include <chrono>

#include "unit/DeviceServerProblem.h"
#include "unit/link/Deadline.h"

namespace {

using Clock = DeadlineClock;

constexpr int kAnswerWriteMs = 1000;
// The most one look at the connection takes from it.
constexpr size_t kTakeLimit = 1024;

}  // namespace

bool Rfc2217Transport::Open(const std::string& host, int port, int baud, int ms,
                            const std::function<void()>& wait) {
    Close();
    m_strProblem.clear();
    m_telnet = TelnetComPort(static_cast<uint32_t>(baud));
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    if (!m_tcp.Open(host, port, ms, wait)) return false;
    const std::vector<uint8_t> opening = m_telnet.Opening();
    bool lost = !m_tcp.Write(opening, MsLeft(deadline));
    while (!lost && m_telnet.LineState() == TelnetComPort::State::Pending) {
        const int left = MsLeft(deadline);
        const LinkIo io = Take(wait ? std::min(left, kWaitSliceMs) : left);
        lost = io == LinkIo::Lost;
        // Data before the line is settled is no unit's answer; only its start is kept.
        if (m_data.size() > kKeptBeforeSettled) m_data.resize(kKeptBeforeSettled);
        if (left == 0) break;
        if (wait) wait();
    }
    if (!lost && m_telnet.LineState() == TelnetComPort::State::Ready) return true;
    const bool ipv6 = host.find(':') != std::string::npos;
    const std::string server = (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
    m_strProblem = lost && m_telnet.LineState() == TelnetComPort::State::Pending
                       ? DeviceServerClosed(server, m_data)
                       : DeviceServerProblem(m_telnet, server);
    m_tcp.Close();
    return false;
}

LinkIo Rfc2217Transport::Take(int ms) {
    uint8_t raw[kTakeLimit];
    size_t got = 0;
    const LinkIo io = m_tcp.Read(raw, got, ms);
    if (io != LinkIo::Ok) return io;
    m_answer.clear();
    m_telnet.Receive(std::span<const uint8_t>(raw, got), m_data, m_answer);
    if (!m_answer.empty() && !m_tcp.Write(m_answer, kAnswerWriteMs)) return LinkIo::Lost;
    return LinkIo::Ok;
}

bool Rfc2217Transport::Write(std::span<const uint8_t> bytes, int ms) {
    m_line.clear();
    TelnetComPort::Escape(bytes, m_line);
    return m_tcp.Write(m_line, ms);
}

LinkIo Rfc2217Transport::Read(std::span<uint8_t> buffer, size_t& got, int ms) {
    got = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    // A read that brought only Telnet commands is no answer yet: wait on for data.
    while (m_data.empty()) {
        const LinkIo io = Take(MsLeft(deadline));
        if (io != LinkIo::Ok) return io;
        if (m_data.empty() && MsLeft(deadline) == 0) return LinkIo::Timeout;
    }
    got = std::min(buffer.size(), m_data.size());
    std::copy_n(m_data.begin(), got, buffer.begin());
    m_data.erase(m_data.begin(), m_data.begin() + static_cast<std::ptrdiff_t>(got));
    return LinkIo::Ok;
}

void Rfc2217Transport::DiscardInput() {
    // Commands among the dropped bytes are still answered.
    for (size_t taken = 0; taken < kDiscardLimit; taken += kTakeLimit) {
        if (Take(0) != LinkIo::Ok) break;
        m_data.clear();
    }
    m_data.clear();
}

void Rfc2217Transport::Close() {
    m_tcp.Close();
    m_data.clear();
}
