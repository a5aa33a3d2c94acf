#include "unit/VerifyImage.h"

#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

bool VerifyImage(UnitContext& c) {
    const std::vector<uint8_t>& written = c.m_state.m_writtenImage;
    const std::vector<uint8_t>& read = c.m_state.m_image;
    for (size_t a = 0; a < UnitImage::kSize; ++a) {
        if (a == UnitImage::kSwitches) continue;
        if (a >= written.size() || a >= read.size() || written[a] != read[a]) {
            c.m_prompter.Message(UnitMessages::kVerifyFailed);
            c.m_prompter.SetStatusText(UnitMessages::kVerifyFailedStatus);
            return false;
        }
    }
    c.m_prompter.SetStatusText(UnitMessages::kVerifyPassedStatus);
    return true;
}
