#include "unit/UnitCommands.h"

#include "unit/ReadUnit.h"
#include "unit/SetUnitTime.h"
#include "unit/UnitMessages.h"
#include "unit/WriteUnit.h"

namespace {

constexpr const char* kEnableVerifyKey = "EnableVerify";

}  // namespace

void ReadCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return;
    c.m_state.m_bVerifyPass = false;
    ReadUnit(c);
    c.m_state.m_strPendingPassword.clear();
    c.m_state.m_bPasswordPending = false;
}

void WizardReadCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return;
    ReadUnit(c);
}

void WriteCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return;
    WriteUnit(c);
    if (!c.m_ui.StartRelayoutTimer()) c.m_prompter.Message(UnitMessages::kTimerCreateFailed);
}

void SetTimeCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return;
    SetUnitTime(c);
}

bool MayCloseMainWindow(const CMainState& state, Prompter& prompter) {
    if (!state.m_bBusy) return true;
    prompter.Message(UnitMessages::kCannotClose);
    return false;
}

void LoadEnableVerify(CMainState& state, const Profile& profile) {
    state.m_bEnableVerify = profile.GetInt(kSectionUserData, kEnableVerifyKey, 0) != 0;
}

void ToggleEnableVerify(CMainState& state, Profile& profile) {
    state.m_bEnableVerify = !state.m_bEnableVerify;
    profile.SetInt(kSectionUserData, kEnableVerifyKey, state.m_bEnableVerify ? 1 : 0);
}
