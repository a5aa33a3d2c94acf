#pragma once

#include <ostream>

#include "cli/CliCommand.h"
#include "model/CZRTProDoc.h"

// Prints the whole model as text: system, settings, idle loop, nodes, zone pool.
void PrintConfiguration(const CZRTProDoc& doc, std::ostream& out);

// The same as one JSON object whose keys are the model's member names.
void PrintConfigurationJson(const CZRTProDoc& doc, std::ostream& out);

extern const CliCommand kShowCommand;
