#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The command side of a Hayes modem as the emulator plays it: echoes what it
// is sent (unless ATE0), answers every AT command line with "OK" (factory
// reset, profile writes, any initialization string alike) and a dial command
// with "CONNECT"; then the line carries the unit's frames until the call ends.
class HayesModem {
public:
    // `dialResult` is what a dial command answers: empty for "CONNECT <speed>"
    // and the call, or another result code ("BUSY", "NO DIALTONE", ...) and no call.
    HayesModem(int connectSpeed, std::string dialResult)
        : m_nConnectSpeed(connectSpeed), m_strDialResult(std::move(dialResult)) {}

    // One byte from the computer in command mode; appends the modem's answer to `out`.
    void Receive(uint8_t byte, std::vector<uint8_t>& out);

    bool InCall() const { return m_bInCall; }
    // The session over the call ended: back to commands.
    void HangUp() { m_bInCall = false; }

private:
    void Execute(const std::string& line, std::vector<uint8_t>& out);

    int m_nConnectSpeed;
    std::string m_strDialResult;
    bool m_bEcho = true;
    bool m_bInCall = false;
    std::string m_strLine;
};
