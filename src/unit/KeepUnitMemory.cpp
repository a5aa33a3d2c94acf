#include "unit/KeepUnitMemory.h"

#include "document/InputPlaces.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"

bool KeepUnitMemory(UnitContext& c, std::span<const uint8_t> image, const char* kind,
                    std::string& reason) {
    if (c.m_state.m_strHistoryFolder.empty()) {
        reason = "no folder for the unit history";
        return false;
    }
    UnitHistoryEntry entry;
    entry.m_strKind = kind;
    entry.m_strConnection = c.m_state.m_strConnection;
    // A read replaces the open configuration: its title names no site of the unit.
    if (std::string(kind) != UnitMessages::kKindRead) entry.m_strSite = c.m_doc.GetTitle();
    entry.m_bErased = IsErasedImage(image);
    CZRTProDoc decoded;
    if (!entry.m_bErased && DecodeUnitCopy(image, c.m_doc, decoded, nullptr)) {
        entry.m_strModel = decoded.m_nPortCount > 4 ? "M-4800" : "M-4400";
        entry.m_nCameraUnits = decoded.m_nCiuCount;
        entry.m_nInputs = static_cast<int>(InputPlaces(decoded).size());
    }
    const auto kept = UnitHistory(c.m_state.m_strHistoryFolder).Keep(entry, image, reason);
    if (!kept) return false;
    c.m_state.m_strKeptPath = kept->m_strImagePath;
    return true;
}
