#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "unit/UnitContext.h"
#include "unit/UnitImageLayout.h"

// What a fetch of the unit's memory shows, in the user's language: its
// progress line ("Reading... %2.2d%%", to which the time left is added) and
// the two reports of a failed message.
struct MemoryFetchTexts {
    std::string m_progress;
    std::string m_sendFailed;
    std::string m_noReply;
};

// A failed message of a fetch: the link's error code and the text to report
// it with (empty when no message failed).
struct MemoryFetchFailure {
    uint32_t m_nCode = 0;
    std::string m_text;
};

// Fills `image` with the unit's whole memory (or the cells from `from` up to
// `to`, whole blocks), 32 cells a message, in the connection and programming
// mode already open. A failed message is reported with its text and the link
// closed, or with `failure` given, left there for the caller to report once it
// has freed the unit (the link still open). A cancel requested meanwhile stops
// before the next message, silently. True when every cell arrived.
bool FetchMemoryImage(UnitContext& c, std::vector<uint8_t>& image, const MemoryFetchTexts& texts,
                      MemoryFetchFailure* failure = nullptr, size_t from = 0,
                      size_t to = UnitImage::kSize);
