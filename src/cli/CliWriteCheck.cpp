#include "cli/CliWriteCheck.h"

#include <cstdlib>
#include <iostream>

#include "model/Format.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"

namespace M = UnitMessages;

bool CliWriteCheck::ConfirmWrite(const WriteConfirmation& what) {
    if (!m_state.m_strKeptPath.empty())
        std::cerr << StrFormat(M::kKeptIn, m_state.m_strKeptPath.c_str()) << '\n';
    if (what.m_bRestore && what.m_bUndecodable) {
        std::cerr << M::kRestoreNoConfiguration << '\n';
        return true;
    }
    if (what.m_bErased) {
        std::cerr << M::kUnitErasedWillWrite << '\n';
        return true;
    }
    if (what.m_bAnotherSite && !what.m_bRestore && !m_bForce) {
        std::cerr << M::kAnotherSite << '\n';
        return false;
    }
    const size_t n = what.m_diffs.size();
    if (n == 0 && !what.m_bUndecodable)
        std::cerr << M::kUnitHoldsThis << '\n';
    else if (what.m_bRestore)
        std::cerr << (n == 1 ? std::string(M::kRestoreDifferencesOne)
                             : StrFormat(M::kRestoreDifferencesMany, n))
                  << '\n';
    else
        std::cerr << (n == 1 ? std::string(M::kDifferencesOne) : StrFormat(M::kDifferencesMany, n))
                  << '\n';
    return true;
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
