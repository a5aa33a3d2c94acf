#pragma once

#include <csignal>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "EepromSaver.h"
#include "HayesModem.h"
#include "LinePacer.h"
#include "SimLine.h"
#include "SimOptions.h"
#include "unit/emulator/EepromFile.h"
#include "unit/emulator/EmulatedUnit.h"
#include "unit/link/FrameParser.h"
#include "unit/link/UnitEndpoint.h"

// The emulator's loop: bytes from the line go to the modem's command side or
// to the frame parser; each frame goes to the emulated unit and its reply goes
// back on the line at the simulated speed, with the faults asked for.
class SimServer {
public:
    explicit SimServer(const SimOptions& options);

    bool Start(std::string& error);
    const std::string& Description() const { return m_line.Description(); }
    // Serves one connection after another until stopped; the exit status.
    int Run();

    // Set from a signal handler: save and end.
    static volatile std::sig_atomic_t s_bStop;

private:
    // One connection, until the computer goes away.
    void Serve();
    void OnFrame(std::span<const uint8_t> lop);
    const SimFault* FaultAt(long message) const;
    void Deliver(const std::vector<uint8_t>& bytes);
    // One byte at a time, with the pause of --byte-gap between them.
    void Trickle(const std::vector<uint8_t>& frame);
    // Hands changed memory to the saver: at once when `now`, else at most
    // every so often, so a long write is not slowed by copies.
    void Save(bool now);

    SimOptions m_options;
    EmulatedUnit m_unit;
    EepromFile m_file;
    std::unique_ptr<EepromSaver> m_saver;
    UnitEndpoint m_endpoint;
    SimLine m_line;
    LinePacer m_pacer;
    HayesModem m_modem;
    FrameParser m_parser;
    LinePacer::Clock::time_point m_received;  // when the bytes in hand were complete
    LinePacer::Clock::time_point m_lastSave;
    uint64_t m_nSavedRevision = 0;
    long m_nMessages = 0;
    bool m_bStalled = false;
};
