#include "unit/WriteConfirmation.h"

#include <algorithm>
#include <string>

#include "document/InputPlaces.h"
#include "unit/DecodeUnitCopy.h"

namespace {

// True when some difference concerns the input with this label.
bool InputDiffers(const std::vector<DiffItem>& diffs, const std::string& label) {
    return std::any_of(diffs.begin(), diffs.end(), [&label](const DiffItem& d) {
        return d.m_strItem.compare(0, label.size(), label) == 0 &&
               (d.m_strItem.size() == label.size() || d.m_strItem[label.size()] == ' ');
    });
}

}  // namespace

WriteConfirmation ConfirmationFor(const CZRTProDoc& written, std::span<const uint8_t> unitImage) {
    WriteConfirmation w;
    if (IsErasedImage(unitImage)) {
        w.m_bErased = true;
        return w;
    }
    CZRTProDoc unit;
    if (!DecodeUnitCopy(unitImage, written, unit, nullptr)) {
        w.m_bUndecodable = true;
        w.m_bAnotherSite = true;
        return w;
    }
    w.m_diffs = CompareConfigurations(written, unit);
    const std::vector<InputPlace> inputs = InputPlaces(written);
    const auto differing = std::count_if(inputs.begin(), inputs.end(), [&w](const InputPlace& p) {
        return InputDiffers(w.m_diffs, p.Label());
    });
    w.m_bAnotherSite = unit.m_nCiuCount != written.m_nCiuCount ||
                       static_cast<size_t>(differing) * 2 > inputs.size();
    return w;
}
