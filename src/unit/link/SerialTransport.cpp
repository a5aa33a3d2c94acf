#include "unit/link/SerialTransport.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "unit/link/Deadline.h"

using Clock = DeadlineClock;

SerialTransport::~SerialTransport() { Close(); }

bool SerialTransport::Open(const std::string& device, int baud) {
    Close();
    m_port.setPortName(QString::fromLocal8Bit(device.c_str()));
    m_openError = PortOpenError::None;
    if (!m_port.open(QIODevice::ReadWrite)) {
        const bool mayReadWrite = ::access(PortDevicePath(device).c_str(), R_OK | W_OK) == 0;
        m_openError = ClassifyPortOpenError(m_port.error(), mayReadWrite);
        return false;
    }
    const bool set = m_port.setBaudRate(baud) && m_port.setDataBits(QSerialPort::Data8) &&
                     m_port.setParity(QSerialPort::NoParity) &&
                     m_port.setStopBits(QSerialPort::OneStop) &&
                     m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        m_port.close();
        m_openError = PortOpenError::Other;
        return false;
    }
    // Not every line has modem control (a pseudo-terminal has none).
    m_port.setDataTerminalReady(true);
    // What Qt picks up while the window handles its events stays bounded on a
    // line that never stops sending.
    m_port.setReadBufferSize(static_cast<qint64>(kDiscardLimit));
    const int fd = static_cast<int>(m_port.handle());
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_port.clearError();
    return true;
}

bool SerialTransport::Write(std::span<const uint8_t> bytes, int ms) {
    if (!m_port.isOpen()) return false;
    const int fd = static_cast<int>(m_port.handle());
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes = bytes.subspan(static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;
        pollfd pfd{fd, POLLOUT, 0};
        const int left = MsLeft(deadline);
        if (left == 0) return false;
        const int ready = ::poll(&pfd, 1, left);
        if (ready < 0 && errno != EINTR) return false;
        if (ready > 0 && (pfd.revents & (POLLERR | POLLHUP | POLLNVAL))) return false;
    }
    return true;
}

LinkIo SerialTransport::Read(std::span<uint8_t> buffer, size_t& got, int ms) {
    got = 0;
    if (!m_port.isOpen()) return LinkIo::Lost;
    // Bytes Qt picked up while the window handled its events come first.
    if (m_port.bytesAvailable() > 0) {
        const qint64 n =
            m_port.read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
        if (n > 0) {
            got = static_cast<size_t>(n);
            return LinkIo::Ok;
        }
    }
    const int fd = static_cast<int>(m_port.handle());
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        pollfd pfd{fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, MsLeft(deadline));
        if (ready < 0) {
            if (errno == EINTR) continue;
            return LinkIo::Lost;
        }
        if (ready == 0) return LinkIo::Timeout;
        if (pfd.revents & POLLIN) {
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            if (n > 0) {
                got = static_cast<size_t>(n);
                return LinkIo::Ok;
            }
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            return LinkIo::Lost;
        }
        if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) return LinkIo::Lost;
    }
}

void SerialTransport::DiscardInput() {
    if (!m_port.isOpen()) return;
    m_port.readAll();
    const int fd = static_cast<int>(m_port.handle());
    uint8_t sink[4096];
    for (size_t dropped = 0; dropped < kDiscardLimit;) {
        const ssize_t n = ::read(fd, sink, sizeof sink);
        if (n <= 0) return;
        dropped += static_cast<size_t>(n);
    }
}

void SerialTransport::HangUp() {
    if (m_port.isOpen()) m_port.setDataTerminalReady(false);
}

void SerialTransport::Close() {
    if (m_port.isOpen()) m_port.close();
    m_port.clearError();
}
