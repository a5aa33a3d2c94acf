#include "unit/KeepUnitMemory.h"

#include "model/Translate.h"
#include "unit/DescribeUnitCopy.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"

bool KeepUnitMemory(UnitContext& c, std::span<const uint8_t> image, const char* kind,
                    const std::string& written, std::string& reason) {
    if (c.m_state.m_strHistoryFolder.empty()) {
        reason = Tr("Unit", UnitMessages::kNoHistoryFolder);
        return false;
    }
    UnitHistoryEntry entry;
    entry.m_strKind = kind;
    entry.m_strConnection = c.m_state.m_strConnection;
    entry.m_strSite = written;
    const UnitCopyContents held = DescribeUnitCopy(image);
    entry.m_bErased = held.m_kind == UnitCopyContents::Kind::Erased;
    entry.m_bPartlyWritten = held.m_kind == UnitCopyContents::Kind::PartlyWritten;
    entry.m_strModel = held.m_strModel;
    entry.m_nCameraUnits = held.m_nCameraUnits;
    entry.m_nInputs = held.m_nInputs;
    const auto kept = UnitHistory(c.m_state.m_strHistoryFolder).Keep(entry, image, reason);
    if (!kept) return false;
    c.m_state.m_strKeptPath = kept->m_strImagePath;
    return true;
}
