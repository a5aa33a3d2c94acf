#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What goes wrong on purpose, at the Nth EEPROM or clock message the unit receives.
struct SimFault {
    enum class Kind { Drop, Corrupt, Short, Stall, Hangup, Die, Trickle };
    Kind m_kind = Kind::Drop;
    long m_nMessage = 0;
};

struct SimOptions {
    bool m_bTcp = false;
    int m_nTcpPort = 0;
    std::string m_strEeprom;
    std::optional<std::string> m_password;
    int m_nBaud = 0;
    bool m_bModem = false;
    std::string m_strDialResult;  // empty: the call is answered
    std::vector<SimFault> m_faults;
    int m_nByteGapMs = 20;              // between the bytes of a trickled reply
    std::vector<uint16_t> m_weakCells;  // keep what is written to them with the bits inverted
    bool m_bHelp = false;
    bool m_bVersion = false;
};

// Nothing, with `error` set, when the command line is wrong.
std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error);
