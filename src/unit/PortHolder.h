#pragma once

#include <string>

// Which program holds a serial port open, as far as this user can see.
struct PortHolder {
    enum class Seen {
        Program,  // m_strProgram, process m_nPid, has the device open
        Unseen,   // none of this user's processes has it, and others could not be looked into
        Nobody,   // no process was seen holding it
    };
    Seen m_seen = Seen::Nobody;
    std::string m_strProgram;
    int m_nPid = 0;
};

// What to tell the user about `device` (a path) that is in use: who holds it,
// and for a program known to take serial adapters the one line that helps.
std::string PortInUseText(const std::string& device, const PortHolder& holder);
