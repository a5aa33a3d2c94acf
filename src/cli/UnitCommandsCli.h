#pragma once

#include "cli/CliCommand.h"

extern const CliCommand kWriteCommand;
extern const CliCommand kReadCommand;
extern const CliCommand kRestoreCommand;
extern const CliCommand kHistoryCommand;
extern const CliCommand kSetTimeCommand;
