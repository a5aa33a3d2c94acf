#include "unit/WriteConfirmation.h"

#include <algorithm>
#include <string>

#include "document/InputPlaces.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

namespace {

// True when some difference concerns the input with this label.
bool InputDiffers(const std::vector<DiffItem>& diffs, const std::string& label) {
    return std::any_of(diffs.begin(), diffs.end(), [&label](const DiffItem& d) {
        return d.m_strItem.compare(0, label.size(), label) == 0 &&
               (d.m_strItem.size() == label.size() || d.m_strItem[label.size()] == ' ');
    });
}

// The unit decoded as `written`'s model, else as the other one.
bool DecodeUnit(const CZRTProDoc& written, std::span<const uint8_t> image, CZRTProDoc& unit) {
    if (DecodeUnitCopy(image, written, unit, nullptr)) return true;
    CZRTProDoc other = written;
    other.m_nPortCount = written.m_nPortCount > 4 ? 4 : 8;
    return DecodeUnitCopy(image, other, unit, nullptr);
}

std::string Differences(size_t n, bool restore) {
    namespace M = UnitMessages;
    if (restore)
        return n == 1 ? std::string(Tr("Unit", M::kRestoreDifferencesOne))
                      : StrFormat(Tr("Unit", M::kRestoreDifferencesMany).c_str(), n);
    return n == 1 ? std::string(Tr("Unit", M::kDifferencesOne))
                  : StrFormat(Tr("Unit", M::kDifferencesMany).c_str(), n);
}

}  // namespace

WriteConfirmation ConfirmationFor(const CZRTProDoc& written, std::span<const uint8_t> unitImage) {
    WriteConfirmation w;
    if (IsErasedImage(unitImage)) {
        w.m_bErased = true;
        return w;
    }
    // A write puts the settings block in last, and its first cell is never erased.
    if (unitImage.size() == UnitImage::kSize &&
        unitImage[UnitImage::kSignature] == UnitImage::kErased) {
        w.m_bPartlyWritten = true;
        return w;
    }
    CZRTProDoc unit;
    if (!DecodeUnit(written, unitImage, unit)) {
        w.m_bUndecodable = true;
        return w;
    }
    w.m_diffs = CompareConfigurations(written, unit);
    const std::vector<InputPlace> inputs = InputPlaces(written);
    const auto differing = std::count_if(inputs.begin(), inputs.end(), [&w](const InputPlace& p) {
        return InputDiffers(w.m_diffs, p.Label());
    });
    w.m_bAnotherSite = unit.m_nPortCount != written.m_nPortCount ||
                       unit.m_nCiuCount != written.m_nCiuCount ||
                       static_cast<size_t>(differing) * 2 > inputs.size();
    return w;
}

WriteQuestion QuestionFor(const WriteConfirmation& what) {
    namespace M = UnitMessages;
    WriteQuestion q;
    const bool restore = what.m_bRestore;
    if (restore && what.m_bUndecodable) {
        q.m_strCount = Tr("Unit", M::kRestoreNoConfiguration);
    } else if (what.m_bErased) {
        q.m_strCount = Tr("Unit", M::kUnitErasedWillWrite);
    } else if (what.m_bNoWholeConfiguration) {
        q.m_strCount = restore ? Tr("Unit", M::kRestoreNoWholeConfiguration)
                               : Tr("Unit", M::kUnitNoWholeConfiguration);
    } else if (what.m_bPartlyWritten) {
        q.m_strCount =
            restore ? Tr("Unit", M::kRestorePartlyWritten) : Tr("Unit", M::kUnitPartlyWritten);
    } else if (what.m_bUndecodable) {
        q.m_notes.emplace_back(Tr("Unit", M::kUnitUnreadable));
        q.m_strCount = Tr("Unit", M::kNoDifferencesListed);
        q.m_bWarn = true;
    } else if (what.m_diffs.empty()) {
        q.m_strCount = Tr("Unit", M::kUnitHoldsThis);
    } else {
        q.m_strCount = Differences(what.m_diffs.size(), restore);
        if (what.m_bAnotherSite) {
            q.m_notes.emplace_back(Tr("Unit", M::kAnotherSite));
            q.m_bWarn = true;
        }
    }
    if (restore) q.m_notes.emplace_back(Tr("Unit", M::kRestorePassword));
    q.m_bRefusedUnlessForced = q.m_bWarn && !restore;
    return q;
}
