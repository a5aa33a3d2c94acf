#include "unit/VerifyImage.h"

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

bool VerifyImage(UnitContext& c) {
    MainState& s = c.m_state;
    const std::vector<uint8_t>& written = s.m_writtenImage;
    const std::vector<uint8_t>& read = s.m_image;
    s.m_nVerifyDifferences = 0;
    s.m_verifyDifferences.clear();
    for (size_t a = 0; a < UnitImage::kSize; ++a) {
        if (a == UnitImage::kSwitches) continue;
        const uint8_t w = a < written.size() ? written[a] : UnitImage::kErased;
        const bool missing = a >= read.size();
        if (!missing && read[a] == w && a < written.size()) continue;
        ++s.m_nVerifyDifferences;
        if (s.m_verifyDifferences.size() < MainState::kVerifyDetailsKept)
            s.m_verifyDifferences.push_back(
                {static_cast<uint32_t>(a), w, missing ? UnitImage::kErased : read[a]});
    }
    if (s.m_nVerifyDifferences > 0) {
        c.m_prompter.Message(Tr("Unit", UnitMessages::kVerifyFailed));
        c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kVerifyFailedStatus));
        c.m_prompter.SetStatusText(
            std::string(Tr("Unit", UnitMessages::kVerifyFailedStatus)) +
            StrFormat(Tr("Unit", UnitMessages::kVerifyDifferingCells).c_str(),
                      s.m_nVerifyDifferences));
        return false;
    }
    c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kVerifyPassedStatus));
    return true;
}
