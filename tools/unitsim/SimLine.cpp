#include "SimLine.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "SimMessages.h"
#include "model/Format.h"

SimLine::~SimLine() {
    if (m_nPeer >= 0) ::close(m_nPeer);
    if (m_nListen >= 0) ::close(m_nListen);
    if (m_nPtySlave >= 0) ::close(m_nPtySlave);
}

bool SimLine::OpenPty(std::string& error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        error =
            StrFormat(Tr("Unitsim", SimMessages::kCannotCreatePty).c_str(), std::strerror(errno));
        if (master >= 0) ::close(master);
        return false;
    }
    const char* slavePath = ::ptsname(master);
    const int slave = slavePath ? ::open(slavePath, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0) {
        error = StrFormat(Tr("Unitsim", SimMessages::kCannotOpenPty).c_str(), std::strerror(errno));
        ::close(master);
        return false;
    }
    // A raw line until the tool sets its own: no echo, no line editing, no translation.
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    m_nPeer = master;
    m_nPtySlave = slave;
    m_bPty = true;
    m_strDescription = std::string("serial:") + slavePath;
    return true;
}

bool SimLine::ListenTcp(int port, std::string& error) {
    m_nListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_nListen < 0) {
        error = StrFormat(Tr("Unitsim", SimMessages::kCannotCreateSocket).c_str(),
                          std::strerror(errno));
        return false;
    }
    const int on = 1;
    ::setsockopt(m_nListen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(m_nListen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_nListen, 1) != 0) {
        error = StrFormat(Tr("Unitsim", SimMessages::kCannotListen).c_str(), port,
                          std::strerror(errno));
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(m_nListen, reinterpret_cast<sockaddr*>(&address), &length);
    m_strDescription = "tcp:127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    return true;
}

bool SimLine::AwaitPeer() {
    if (m_bPty) return m_nPeer >= 0;
    DropPeer();
    for (;;) {
        const int peer = ::accept4(m_nListen, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer >= 0) {
            const int on = 1;
            ::setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            m_nPeer = peer;
            return true;
        }
        // A stop signal ends the wait; the caller decides.
        if (errno != ECONNABORTED) return false;
    }
}

SimLine::ReadResult SimLine::Read(std::span<uint8_t> buffer, size_t& got, int ms) {
    got = 0;
    pollfd pfd{m_nPeer, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&pfd, 1, ms);
        if (ready < 0 && errno == EINTR) return ReadResult::Quiet;
        if (ready < 0) return ReadResult::Closed;
        if (ready == 0) return ReadResult::Quiet;
        const ssize_t n = ::read(m_nPeer, buffer.data(), buffer.size());
        if (n > 0) {
            got = static_cast<size_t>(n);
            return ReadResult::Data;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        return ReadResult::Closed;
    }
}

bool SimLine::Write(std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        // A closed connection must not end the emulator with SIGPIPE.
        const ssize_t n = m_bPty ? ::write(m_nPeer, bytes.data(), bytes.size())
                                 : ::send(m_nPeer, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

void SimLine::DropPeer() {
    if (m_bPty || m_nPeer < 0) return;
    ::close(m_nPeer);
    m_nPeer = -1;
}
