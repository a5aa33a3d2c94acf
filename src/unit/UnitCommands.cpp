#include "unit/UnitCommands.h"

#include "model/Translate.h"
#include "unit/ReadUnit.h"
#include "unit/SetUnitTime.h"
#include "unit/UnitMessages.h"
#include "unit/WriteUnit.h"

namespace {

constexpr const char* kEnableVerifyKey = "EnableVerify";

}  // namespace

bool ReadCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return false;
    c.m_state.m_bCancelRequested = false;
    c.m_state.m_bVerifyPass = false;
    return ReadUnit(c);
}

bool ReadCopyCommand(UnitContext& c, CZRTProDoc& copy) {
    if (c.m_state.m_bBusy) return false;
    c.m_state.m_bCancelRequested = false;
    c.m_state.m_bVerifyPass = false;
    return ReadUnitCopy(c, copy);
}

bool WizardReadCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return false;
    c.m_state.m_bCancelRequested = false;
    return ReadUnit(c);
}

namespace {

template <typename Write>
bool RunWrite(UnitContext& c, Write write) {
    if (c.m_state.m_bBusy) return false;
    c.m_state.m_bCancelRequested = false;
    // The cells of an earlier verify say nothing about this write.
    c.m_state.m_nVerifyDifferences = 0;
    c.m_state.m_verifyDifferences.clear();
    const bool written = write();
    if (!c.m_ui.StartRelayoutTimer())
        c.m_prompter.Message(Tr("Unit", UnitMessages::kTimerCreateFailed));
    return written;
}

}  // namespace

bool WriteCommand(UnitContext& c) {
    return RunWrite(c, [&c] { return WriteUnit(c); });
}

bool RestoreCommand(UnitContext& c, std::span<const uint8_t> image, const std::string& copyName) {
    return RunWrite(c, [&c, image, &copyName] { return RestoreUnit(c, image, copyName); });
}

bool SetTimeCommand(UnitContext& c) {
    if (c.m_state.m_bBusy) return false;
    return SetUnitTime(c);
}

CancelStep CancelStepFor(const MainState& state) {
    if (!state.m_bBusy || state.m_bCancelRequested) return CancelStep::Nothing;
    return state.m_bWriting ? CancelStep::Ask : CancelStep::StopNow;
}

bool AnswerStopQuestion(MainState& state, PromptAnswer answer) {
    // The write may have ended while the question was open.
    if (answer != PromptAnswer::Yes || !state.m_bBusy || !state.m_bWriting) return false;
    state.m_bCancelRequested = true;
    return true;
}

bool RequestTransferCancel(MainState& state, Prompter& prompter) {
    switch (CancelStepFor(state)) {
        case CancelStep::Nothing:
            return false;
        case CancelStep::StopNow:
            state.m_bCancelRequested = true;
            return true;
        case CancelStep::Ask:
            break;
    }
    return AnswerStopQuestion(state, prompter.Message(Tr("Unit", UnitMessages::kStopWriting),
                                                      PromptButtons::YesNo, PromptIcon::Question));
}

bool MayCloseMainWindow(const MainState& state, Prompter& prompter) {
    if (!state.m_bBusy) return true;
    prompter.Message(Tr("Unit", UnitMessages::kCannotClose));
    return false;
}

void LoadEnableVerify(MainState& state, const Profile& profile) {
    state.m_bEnableVerify = profile.GetInt(kSectionUserData, kEnableVerifyKey, 0) != 0;
}

void ToggleEnableVerify(MainState& state, Profile& profile) {
    state.m_bEnableVerify = !state.m_bEnableVerify;
    profile.SetInt(kSectionUserData, kEnableVerifyKey, state.m_bEnableVerify ? 1 : 0);
}
