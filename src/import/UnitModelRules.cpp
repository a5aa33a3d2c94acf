#include "import/UnitModelRules.h"

#include "import/ImportMessages.h"

const char* UnitModelOk(bool fourPort, bool eightPort, int listIndex, UnitModelAnswer& answer) {
    answer.m_nCiuCount = listIndex;
    if (fourPort)
        answer.m_nRows = 1;
    else if (eightPort)
        answer.m_nRows = 2;
    else
        return ImportMessages::kSelectRows;
    if (answer.m_nCiuCount > 4) answer.m_nRows = 2;
    return nullptr;
}
