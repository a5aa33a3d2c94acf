#pragma once

#include "document/MainState.h"
#include "unit/LinkUiHooks.h"

// The command-line tool's answer before a write erases the unit: says where
// the unit's memory was kept and what the write changes, in the words of the
// window's question (on standard error), and refuses a unit that seems to hold
// another site, or no configuration it can read, unless forced. Scripts are
// never asked anything.
class CliWriteCheck : public LinkUiHooks {
public:
    CliWriteCheck(const MainState& state, bool force) : m_state(state), m_bForce(force) {}
    bool ConfirmWrite(const WriteConfirmation& what) override;

private:
    const MainState& m_state;
    bool m_bForce;
};

// Where the unit history lives: unit-history/ in the program's data folder
// ($XDG_DATA_HOME or ~/.local/share, then NEXIL/NEXIL), beside the window's.
std::string UnitHistoryFolder();
