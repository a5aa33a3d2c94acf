#include "unit/link/TcpTransport.h"

#include <algorithm>

#include "unit/link/Deadline.h"

TcpTransport::~TcpTransport() { Close(); }

bool TcpTransport::Open(const std::string& host, int port, int ms,
                        const std::function<void()>& wait) {
    Close();
    const auto deadline = DeadlineClock::now() + std::chrono::milliseconds(ms);
    m_socket.connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
    for (;;) {
        const int left = MsLeft(deadline);
        if (m_socket.waitForConnected(wait ? std::min(left, kWaitSliceMs) : left)) break;
        // Refused, unreachable, or closed from the wait: no need to wait on.
        if (left == 0 || !wait || m_socket.state() == QAbstractSocket::UnconnectedState) {
            m_socket.abort();
            return false;
        }
        wait();
    }
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // A peer that sends faster than the program reads fills no more than this.
    m_socket.setReadBufferSize(static_cast<qint64>(kDiscardLimit));
    return true;
}

bool TcpTransport::Write(std::span<const uint8_t> bytes, int ms) {
    if (m_socket.state() != QAbstractSocket::ConnectedState) return false;
    const qint64 size = static_cast<qint64>(bytes.size());
    if (m_socket.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
    m_socket.flush();
    // Whatever the socket did not take at once leaves while the reply is awaited.
    if (m_socket.bytesToWrite() > 0 && !m_socket.waitForBytesWritten(ms)) return false;
    return true;
}

LinkIo TcpTransport::Read(std::span<uint8_t> buffer, size_t& got, int ms) {
    got = 0;
    if (m_socket.bytesAvailable() == 0) {
        if (m_socket.state() != QAbstractSocket::ConnectedState) return LinkIo::Lost;
        if (!m_socket.waitForReadyRead(ms)) {
            return m_socket.state() == QAbstractSocket::ConnectedState ? LinkIo::Timeout
                                                                       : LinkIo::Lost;
        }
    }
    const qint64 n =
        m_socket.read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
    if (n < 0) return LinkIo::Lost;
    got = static_cast<size_t>(n);
    return LinkIo::Ok;
}

void TcpTransport::DiscardInput() {
    char sink[4096];
    for (size_t dropped = 0; dropped < kDiscardLimit;) {
        const bool waiting =
            m_socket.bytesAvailable() > 0 ||
            (m_socket.state() == QAbstractSocket::ConnectedState && m_socket.waitForReadyRead(0));
        if (!waiting) return;
        const qint64 n = m_socket.read(sink, sizeof sink);
        if (n <= 0) return;
        dropped += static_cast<size_t>(n);
    }
}

void TcpTransport::Close() {
    if (m_socket.state() != QAbstractSocket::UnconnectedState) {
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(250);
    }
    m_socket.abort();
}
