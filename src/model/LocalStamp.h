#pragma once

#include <ctime>
#include <string>

// A moment of this computer's local time, to the millisecond, written as the
// program's files and lines give it.
struct LocalStamp {
    std::tm m_tm{};
    int m_nMs = 0;
    // The offset from UTC, "+01:00".
    std::string m_strOffset;

    // "20261211-041502-123": names of kept files, whose order is their age.
    std::string FileName() const;
    // "2026-12-11T04:15:02+01:00".
    std::string Iso() const;
    // "04:15:02.123".
    std::string Clock() const;
};

LocalStamp LocalStampNow();
