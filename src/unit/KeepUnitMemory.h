#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit/UnitContext.h"

// Keeps `image`, the unit's memory as read, in the unit history of
// m_state.m_strHistoryFolder as an entry of `kind`, described by the
// connection in use (m_state.m_strConnection), the open configuration's title (none for a read),
// and the model and counts of the image decoded as the open configuration's model (or as erased).
// The kept image's path goes to m_state.m_strKeptPath. False, with `reason`, when it could not be
// stored.
bool KeepUnitMemory(UnitContext& c, std::span<const uint8_t> image, const char* kind,
                    std::string& reason);
