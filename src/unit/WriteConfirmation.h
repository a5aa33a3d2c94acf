#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/ConfigDiff.h"
#include "model/CZRTProDoc.h"

// What a write is about to change, worked out from the copy of the unit's
// memory kept just before it: shown to the user, who may still stop the write.
struct WriteConfirmation {
    // Differences between what is about to be written ("this") and the unit ("other").
    std::vector<DiffItem> m_diffs;
    // The unit's memory is erased.
    bool m_bErased = false;
    // The unit's memory (for a restore, the copy) holds nothing that decodes
    // as a configuration.
    bool m_bUndecodable = false;
    // The unit seems to hold another site: its camera interface unit count
    // differs, or more than half of the inputs differ.
    bool m_bAnotherSite = false;
    // A restore of a kept copy rather than a write of the open configuration.
    bool m_bRestore = false;
};

// Compares `written` with the unit's memory `unitImage`, both taken as
// configurations of `written`'s model.
WriteConfirmation ConfirmationFor(const CZRTProDoc& written, std::span<const uint8_t> unitImage);
