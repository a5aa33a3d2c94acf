#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// How a wait on the line ended.
enum class LinkIo { Ok, Timeout, Lost };

// A byte stream to the unit or to a modem: a serial port or a TCP connection.
// Every call returns within the time it is given.
class LinkTransport {
public:
    // Also the most a transport keeps of what arrived and was not yet read.
    static constexpr size_t kDiscardLimit = 64 * 1024;

    virtual ~LinkTransport() = default;

    // Hands the bytes to the line without waiting for them to be sent; false
    // when the line is gone or will not take them within `ms`.
    virtual bool Write(std::span<const uint8_t> bytes, int ms) = 0;
    // Waits at most `ms` for bytes and puts what has arrived into `buffer`
    // (`got` of them). Lost when the line hung up or the peer closed it.
    virtual LinkIo Read(std::span<uint8_t> buffer, size_t& got, int ms) = 0;
    // Drops the bytes received and not yet read, at most kDiscardLimit of them:
    // a line that never stops sending cannot hold it.
    virtual void DiscardInput() = 0;
    // Ends a modem call (drops DTR); nothing on other lines.
    virtual void HangUp() {}
    virtual void Close() = 0;
};
