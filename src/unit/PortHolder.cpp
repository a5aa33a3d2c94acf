#include "unit/PortHolder.h"

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/UnitMessages.h"

std::string PortInUseText(const std::string& device, const PortHolder& holder) {
    switch (holder.m_seen) {
        case PortHolder::Seen::Nobody:
            return StrFormat(Tr("Unit", UnitMessages::kPortHeldUnknown).c_str(), device.c_str());
        case PortHolder::Seen::Unseen:
            return StrFormat(Tr("Unit", UnitMessages::kPortHeldUnseen).c_str(), device.c_str(),
                             device.c_str());
        case PortHolder::Seen::Program:
            break;
    }
    std::string text = StrFormat(Tr("Unit", UnitMessages::kPortHeldBy).c_str(), device.c_str(),
                                 holder.m_strProgram.c_str(), holder.m_nPid);
    std::string remedy;
    if (holder.m_strProgram == "ModemManager")
        remedy = Tr("Unit", UnitMessages::kModemManagerRemedy);
    else if (holder.m_strProgram == "brltty")
        remedy = Tr("Unit", UnitMessages::kBrlttyRemedy);
    else
        remedy = Tr("Unit", UnitMessages::kCloseHolder);
    return text + " " + remedy;
}
