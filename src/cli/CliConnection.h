#pragma once

#include <memory>
#include <optional>
#include <string>

#include "unit/UnitLink.h"
#include "unit/emulator/EepromFile.h"
#include "unit/emulator/EmulatedLink.h"
#include "unit/emulator/EmulatedUnit.h"
#include "unit/link/LinkTrace.h"

// The unit a command talks to, from its --connect text:
//   serial:DEVICE[:BAUD]          a unit on a serial line (9600 baud unless given)
//   tcp:HOST:PORT                 a unit behind a serial device server
//   modem:DEVICE[:BAUD]:NUMBER    a unit reached by dialling out on a modem
//   unitsim:EEPROM-FILE           the emulated unit in this process, its memory in that file
class CliConnection {
public:
    // Nothing, with `error` set to a one-line hint, when the text names no connection.
    // With a `tracePath`, the traffic of a serial, TCP or modem link is recorded there.
    static std::unique_ptr<CliConnection> Open(const std::string& where,
                                               const std::string& password,
                                               const std::string& tracePath, std::string& error);
    ~CliConnection();

    UnitLink& Link() { return *m_link; }
    // Keeps what the unit now holds (the emulated unit's memory file); false on failure.
    bool Close();

private:
    CliConnection() = default;

    std::unique_ptr<EmulatedUnit> m_unit;
    std::unique_ptr<EepromFile> m_eepromFile;
    std::unique_ptr<EmulatedLink> m_emulated;
    std::unique_ptr<UnitLink> m_stream;
    std::unique_ptr<LinkTrace> m_trace;
    uint64_t m_nRevision = 0;
    UnitLink* m_link = nullptr;
};

// The serial and network links need Qt's event machinery; made once, on first use.
void EnsureQtCore();
