#include "unit/ConnectUnit.h"

#include "model/Translate.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitMessages.h"

void ConnectUnit(UnitContext& c) {
    if (c.m_link.comm_GetConnectedStatus()) return;
    // Said once the connection is chosen, not while the user is still choosing.
    Prompter& prompter = c.m_prompter;
    c.m_link.SetAttemptHook(
        [&prompter] { prompter.SetStatusText(Tr("Unit", UnitMessages::kAttemptingConnect)); });
    const uint32_t code = c.m_link.comm_GetUserConnection(0);
    c.m_link.SetAttemptHook(nullptr);
    if (code == UnitLink::kUserCancelled) {
        c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kReady));
        return;
    }
    if (code != UnitLink::kOk) {
        std::string text = LinkErrorText(code, Tr("Unit", UnitMessages::kConnectFailed));
        if (const std::string problem = c.m_link.ConnectProblem(); !problem.empty())
            text += "\n\n" + problem;
        c.m_prompter.Message(text);
    }
    c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kReady));
}
