#pragma once

#include <functional>
#include <string>
#include <vector>

#include "unit/TelnetComPort.h"
#include "unit/link/LinkTransport.h"
#include "unit/link/TcpTransport.h"

// A serial device server's port reached over RFC 2217: the TCP connection
// with the Telnet layer between it and the frames. Open sets the server's
// serial line to the unit's speed, 8 data bits, no parity, 1 stop bit.
class Rfc2217Transport : public LinkTransport {
public:
    // Connects and waits at most `ms` for the server to settle the line,
    // calling `wait` (when given) at least every kWaitSliceMs meanwhile. On a
    // refusal or no answer Problem() says what the server did.
    bool Open(const std::string& host, int port, int baud, int ms,
              const std::function<void()>& wait = {});
    const std::string& Problem() const { return m_strProblem; }

    static constexpr int kWaitSliceMs = 20;
    // Of what a server sends before the line is settled, this much is kept:
    // enough for its one-line reason when it closes.
    static constexpr size_t kKeptBeforeSettled = 1024;

    bool Write(std::span<const uint8_t> bytes, int ms) override;
    LinkIo Read(std::span<uint8_t> buffer, size_t& got, int ms) override;
    void DiscardInput() override;
    void Close() override;

private:
    // Reads for at most `ms`, answering the server; the unit's data lands in m_data.
    LinkIo Take(int ms);

    TcpTransport m_tcp;
    TelnetComPort m_telnet{0};
    std::vector<uint8_t> m_data;  // the unit's bytes not yet read
    std::vector<uint8_t> m_answer;
    std::vector<uint8_t> m_line;
    std::string m_strProblem;
};
