#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit/UnitContext.h"

// Keeps `image`, the unit's memory as read, in the unit history of
// m_state.m_strHistoryFolder as an entry of `kind`, described by the
// connection in use (m_state.m_strConnection), `written` (what is about to be
// put in the unit: the configuration's title, or the copy restored; empty for
// a read), and what the image itself holds (model and counts, or erased,
// partly written, no configuration). The kept image's path goes to
// m_state.m_strKeptPath. False, with `reason`, when it could not be stored.
bool KeepUnitMemory(UnitContext& c, std::span<const uint8_t> image, const char* kind,
                    const std::string& written, std::string& reason);
