#pragma once

#include "cli/CliCommand.h"

extern const CliCommand kPortsCommand;
