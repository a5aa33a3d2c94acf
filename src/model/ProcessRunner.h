#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

// One run of a helper program: its path, its arguments, the most bytes of
// standard output taken from it, and the time it may take.
struct ProcessCall {
    std::string m_strProgram;
    std::vector<std::string> m_args;
    size_t m_nMostBytes = 0;
    std::chrono::milliseconds m_limit{0};
    // What the user is told while waiting (the window's status bar).
    std::string m_strWaitText;
};

// How a helper run ended, and what it wrote to its standard output before
// it ended or was ended (never more than the bound).
struct ProcessOutcome {
    enum class Ending { Exited, NotStarted, Crashed, TimedOut, TooLong, Cancelled };
    Ending m_ending = Ending::NotStarted;
    // The exit status, when the program exited.
    int m_nExitCode = -1;
    std::string m_strOutput;

    bool ExitedCleanly() const { return m_ending == Ending::Exited && m_nExitCode == 0; }
};

// Runs helper programs with exec, their standard input and error tied to
// nothing. A run that outlives its limit or writes more than its bound is
// ended. The command-line tool waits for the run; the window keeps its event
// loop running and lets the user cancel.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    virtual ProcessOutcome Run(const ProcessCall& call) = 0;
};
