#pragma once

#include "cli/CliCommand.h"

extern const CliCommand kExportCsvCommand;
extern const CliCommand kImportCsvCommand;
