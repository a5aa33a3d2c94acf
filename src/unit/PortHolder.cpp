#include "unit/PortHolder.h"

#include "model/Format.h"
#include "unit/UnitMessages.h"

std::string PortInUseText(const std::string& device, const PortHolder& holder) {
    switch (holder.m_seen) {
        case PortHolder::Seen::Nobody:
            return StrFormat(UnitMessages::kPortHeldUnknown, device.c_str());
        case PortHolder::Seen::Unseen:
            return StrFormat(UnitMessages::kPortHeldUnseen, device.c_str(), device.c_str());
        case PortHolder::Seen::Program:
            break;
    }
    std::string text = StrFormat(UnitMessages::kPortHeldBy, device.c_str(),
                                 holder.m_strProgram.c_str(), holder.m_nPid);
    const char* remedy = UnitMessages::kCloseHolder;
    if (holder.m_strProgram == "ModemManager") remedy = UnitMessages::kModemManagerRemedy;
    if (holder.m_strProgram == "brltty") remedy = UnitMessages::kBrlttyRemedy;
    return text + " " + remedy;
}
