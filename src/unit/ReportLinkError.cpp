#include "unit/ReportLinkError.h"

#include "model/Translate.h"
#include "unit/UnitLink.h"
#include "unit/UnitMessages.h"

std::string LinkErrorText(uint32_t code, const std::string& text) {
    namespace M = UnitMessages;
    const struct {
        uint32_t bit;
        std::string line;
    } lines[] = {
        {UnitLink::kHardwareUnavailable, Tr("Unit", M::kLineHardwareUnavailable)},
        {UnitLink::kNoDialtone, Tr("Unit", M::kLineNoDialtone)},
        {UnitLink::kNoUnitFound, Tr("Unit", M::kLineNoUnitFound)},
        {UnitLink::kPasswordRejected, Tr("Unit", M::kLinePasswordRejected)},
        {UnitLink::kAddressBookError, Tr("Unit", M::kLineAddressBookError)},
        {UnitLink::kBadAcknowledgement, Tr("Unit", M::kLineBadAcknowledgement)},
        {UnitLink::kTimedOut, Tr("Unit", M::kLineTimedOut)},
        {UnitLink::kUserCancelled, Tr("Unit", M::kLineUserCancelled)},
    };
    std::string message = text;
    for (const auto& l : lines)
        if (code & l.bit) message += l.line;
    return message;
}

void ReportLinkError(Prompter& prompter, uint32_t code, const std::string& text) {
    prompter.Message(LinkErrorText(code, text));
}
