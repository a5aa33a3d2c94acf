#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "unit/emulator/EepromFile.h"
#include "unit/emulator/EmulatedUnit.h"

// Writes the unit's memory to its file on a thread of its own, so that the
// seconds a disk may take never delay a reply on the line. The newest memory
// handed over is the one written; every write replaces the file atomically.
class EepromSaver {
public:
    explicit EepromSaver(const EepromFile& file);
    ~EepromSaver();

    void Submit(const EmulatedUnit& unit);
    // Waits until everything handed over is in the file; false if a write failed.
    bool Flush();

private:
    void Work();

    const EepromFile& m_file;
    const std::string m_strCannotWrite;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<EmulatedUnit> m_pending;
    bool m_bWriting = false;
    bool m_bFailed = false;
    bool m_bStop = false;
    std::thread m_thread;
};
