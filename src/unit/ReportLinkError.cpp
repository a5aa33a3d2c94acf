#include "unit/ReportLinkError.h"

#include "unit/UnitLink.h"
#include "unit/UnitMessages.h"

std::string LinkErrorText(uint32_t code, const std::string& text) {
    static constexpr struct {
        uint32_t bit;
        const char* line;
    } kLines[] = {
        {UnitLink::kHardwareUnavailable, UnitMessages::kHardwareUnavailable},
        {UnitLink::kNoDialtone, UnitMessages::kNoDialtone},
        {UnitLink::kNoUnitFound, UnitMessages::kNoUnitFound},
        {UnitLink::kPasswordRejected, UnitMessages::kPasswordRejected},
        {UnitLink::kAddressBookError, UnitMessages::kAddressBookError},
        {UnitLink::kBadAcknowledgement, UnitMessages::kBadAcknowledgement},
        {UnitLink::kTimedOut, UnitMessages::kTimedOut},
        {UnitLink::kUserCancelled, UnitMessages::kUserCancelled},
    };
    std::string message = text;
    for (const auto& l : kLines)
        if (code & l.bit) message += l.line;
    return message;
}

void ReportLinkError(Prompter& prompter, uint32_t code, const std::string& text) {
    prompter.Message(LinkErrorText(code, text));
}
