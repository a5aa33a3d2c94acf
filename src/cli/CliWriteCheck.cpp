#include "cli/CliWriteCheck.h"

#include <cstdlib>
#include <iostream>

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"

namespace M = UnitMessages;

bool CliWriteCheck::ConfirmWrite(const WriteConfirmation& what) {
    if (!m_state.m_strKeptPath.empty())
        std::cerr << StrFormat(Tr("Unit", M::kKeptIn).c_str(), m_state.m_strKeptPath.c_str())
                  << '\n';
    const WriteQuestion question = QuestionFor(what);
    for (const std::string& note : question.m_notes) std::cerr << note << '\n';
    std::cerr << question.m_strCount << '\n';
    return !question.m_bRefusedUnlessForced || m_bForce;
}

std::string UnitHistoryFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string base;
    if (xdg && xdg[0] == '/')
        base = xdg;
    else if (home && home[0])
        base = std::string(home) + "/.local/share";
    else
        return {};
    return base + "/NEXIL/NEXIL/" + UnitHistory::kFolderName;
}
