#pragma once

#include "model/ProcessRunner.h"

// Starts the helper with posix_spawn and waits for it, reading its output as
// it comes; the command-line tool and the tests run helpers this way.
class SpawnProcessRunner : public ProcessRunner {
public:
    ProcessOutcome Run(const ProcessCall& call) override;
};
