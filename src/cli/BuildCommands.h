#pragma once

#include "cli/CliCommand.h"

extern const CliCommand kNewCommand;
extern const CliCommand kImportCommand;
