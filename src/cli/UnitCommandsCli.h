#pragma once

#include "cli/CliCommand.h"

extern const CliCommand kWriteCommand;
extern const CliCommand kReadCommand;
extern const CliCommand kSetTimeCommand;
