#pragma once

#include <QTcpSocket>
#include <functional>
#include <string>

#include "unit/link/LinkTransport.h"

// A TCP connection to a serial device server in front of the unit (or to the
// unit emulator). Small frames go out at once: Nagle's delay is switched off.
class TcpTransport : public LinkTransport {
public:
    TcpTransport() = default;
    ~TcpTransport() override;

    // Connects within `ms`. With `wait`, the connection is awaited in slices
    // of kWaitSliceMs, calling `wait` after each, so the window keeps turning
    // while a host that never answers is awaited; Close() from `wait` ends it.
    bool Open(const std::string& host, int port, int ms, const std::function<void()>& wait = {});

    static constexpr int kWaitSliceMs = 20;

    bool Write(std::span<const uint8_t> bytes, int ms) override;
    LinkIo Read(std::span<uint8_t> buffer, size_t& got, int ms) override;
    void DiscardInput() override;
    void Close() override;

private:
    QTcpSocket m_socket;
};
