#include "import/UnitModelRules.h"

#include <string>

#include "import/ImportMessages.h"

const char* UnitModelOk(bool fourPort, bool eightPort, int listIndex, UnitModelAnswer& answer) {
    static std::string problem;
    answer.m_nCiuCount = listIndex;
    if (fourPort)
        answer.m_nRows = 1;
    else if (eightPort)
        answer.m_nRows = 2;
    else
        return (problem = Tr("Import", ImportMessages::kSelectRows)).c_str();
    if (answer.m_nCiuCount > 4) answer.m_nRows = 2;
    return nullptr;
}
