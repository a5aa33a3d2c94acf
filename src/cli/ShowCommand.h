#pragma once

#include <ostream>

#include "model/CZRTProDoc.h"

// Prints the whole model as text: system, settings, idle loop, nodes, zone pool.
void PrintConfiguration(const CZRTProDoc& doc, std::ostream& out);
