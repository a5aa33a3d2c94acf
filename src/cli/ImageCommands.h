#pragma once

#include "cli/CliCommand.h"

extern const CliCommand kImageCommand;
extern const CliCommand kDecodeCommand;
