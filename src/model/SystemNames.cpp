#include "model/SystemNames.h"

#include "model/ZrtConfig.h"

const char* PagingSystemName(int32_t system) {
    switch (system) {
        case 0:
            return "none";
        case kPagingQuillon:
            return "Quillon";
        case kPagingLunetta:
            return "Lunetta";
        case kPagingM7700:
            return "M-7700";
        default:
            return "unknown";
    }
}

const char* UnitModelName(int32_t portCount) { return portCount == 8 ? "M-4800" : "M-4400"; }
