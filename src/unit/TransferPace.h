#pragma once

#include <chrono>
#include <string>

#include "model/Prompter.h"
#include "unit/UnitClock.h"

// A stretch of time as the progress page shows it: "0:42", "12:05",
// "1:02:09" from an hour on.
std::string DurationText(std::chrono::seconds time);

// "0:42 elapsed": whole seconds gone.
std::string ElapsedText(UnitClock::Duration elapsed);

// `line` with the time left after `done` of `total` in `elapsed`, estimated
// from the pace so far ("Writing...   45%   1:10 left"); `line` alone until
// two seconds have passed and something is done.
std::string LineWithTimeLeft(const std::string& line, UnitClock::Duration elapsed, size_t done,
                             size_t total);

// One stage of a transfer (the copy kept, the write, a read or verify), timed
// from its start: its line with the time left goes to the status bar, and
// with the time elapsed to the progress page.
class TransferPace {
public:
    TransferPace(Prompter& prompter, UnitClock& clock);

    // Shows `line` (the stage's words and percent) after `done` of `total`.
    void Show(const std::string& line, size_t done, size_t total);
    // True once the elapsed time has reached another whole second since the
    // last Show: a slow line shows its progress again then, not only at its
    // usual steps.
    bool Due() const;

    Prompter& m_prompter;
    UnitClock& m_clock;
    UnitClock::TimePoint m_start;
    std::chrono::seconds m_shownSecond{-1};
};
