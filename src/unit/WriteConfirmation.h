#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/ConfigDiff.h"
#include "model/CZRTProDoc.h"

// What a write is about to change, worked out from the unit's memory read
// just before it: shown to the user, who may still stop the write.
struct WriteConfirmation {
    // Differences between what is about to be written ("this") and the unit ("other").
    std::vector<DiffItem> m_diffs;
    // The unit's memory is erased.
    bool m_bErased = false;
    // A write into the unit stopped before its end: data, but no settings block.
    bool m_bPartlyWritten = false;
    // Only the settings block was read (nothing was to be kept), and it is
    // missing: the unit is erased or partly written.
    bool m_bNoWholeConfiguration = false;
    // The unit's memory (for a restore, the copy) holds nothing that decodes
    // as a configuration.
    bool m_bUndecodable = false;
    // The unit seems to hold another site, judged from m_diffs: its model or
    // camera interface unit count differs, or more than half of the inputs differ.
    bool m_bAnotherSite = false;
    // A restore of a kept copy rather than a write of the open configuration.
    bool m_bRestore = false;
};

// Compares `written` with the unit's memory `unitImage`, decoded as a unit of
// `written`'s model, else of the other model (another site then).
WriteConfirmation ConfirmationFor(const CZRTProDoc& written, std::span<const uint8_t> unitImage);

// The words of the "Write to Unit" question, the same in the window and the
// command-line tool: the line about the unit (the count of differences, or
// what the unit holds instead), the notes above it, whether it warns (its
// first note then is the warning), and whether the command-line tool refuses
// without --force.
struct WriteQuestion {
    std::string m_strCount;
    std::vector<std::string> m_notes;
    bool m_bWarn = false;
    bool m_bRefusedUnlessForced = false;
};
WriteQuestion QuestionFor(const WriteConfirmation& what);
