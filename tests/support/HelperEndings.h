#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "model/ProcessRunner.h"
#include "support/FakeHelper.h"

// Every way a helper program ends, with what a runner reports for it: the
// body of the fake helper's shell script, the time it is given, and the
// ending, exit code and output taken (at most kHelperEndingBound bytes).
inline constexpr size_t kHelperEndingBound = 100;

struct HelperEnding {
    const char* what;
    std::string body;
    std::chrono::milliseconds limit;
    ProcessOutcome::Ending ending;
    int exitCode;
    std::string output;
};

inline std::vector<HelperEnding> HelperEndings() {
    using namespace std::chrono_literals;
    using Ending = ProcessOutcome::Ending;
    return {
        {"answers", "printf 'abc'", 10s, Ending::Exited, 0, "abc"},
        {"answers up to its bound", "printf '%0100d' 0", 10s, Ending::Exited, 0,
         std::string(kHelperEndingBound, '0')},
        {"fails", "printf 'x'; exit 3", 10s, Ending::Exited, 3, "x"},
        {"crashes", "printf 'x'; kill -SEGV $$", 10s, Ending::Crashed, -1, "x"},
        {"hangs", "printf 'x'; exec sleep 30", 300ms, Ending::TimedOut, -1, "x"},
        {"hangs with its output closed", "exec >&-; exec sleep 30", 300ms, Ending::TimedOut, -1,
         ""},
        {"answers without end", "exec yes", 10s, Ending::TooLong, -1, YesBound()},
    };
}
