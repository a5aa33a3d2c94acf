#include "unit/SetUnitTime.h"

#include "model/Translate.h"
#include "unit/ConnectUnit.h"
#include "unit/LopExchange.h"
#include "unit/LopMessages.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitMessages.h"

bool SetUnitTime(UnitContext& c) {
    ConnectUnit(c);
    if (!c.m_link.comm_GetConnectedStatus()) return false;
    if (const uint32_t code = c.m_link.comm_SetProgrammingMode(1); code != UnitLink::kOk) {
        ReportLinkError(c.m_prompter, code, Tr("Unit", UnitMessages::kTimeEnterMode));
        c.m_link.comm_Disconnect();
        return false;
    }
    c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kSettingTime));

    const std::vector<uint8_t> message = Lop::SetTimeMessage(Lop::TimeText(c.m_clock.LocalTime()));
    const LopExchange x = ExchangeLop(c.m_link, message);
    if (x.m_result != LopExchange::Result::Ok) {
        ReportLinkError(c.m_prompter, x.m_nCode,
                        x.m_result == LopExchange::Result::SendFailed
                            ? Tr("Unit", UnitMessages::kTimeSend)
                            : Tr("Unit", UnitMessages::kTimeNoReply));
        c.m_link.comm_Disconnect();
        return false;
    }
    const bool taken = x.m_reply[0] >= message[0];
    if (!taken) ReportLinkError(c.m_prompter, UnitLink::kOk, Tr("Unit", UnitMessages::kTimeLength));

    const uint32_t left = c.m_link.comm_SetProgrammingMode(0);
    if (left != UnitLink::kOk)
        ReportLinkError(c.m_prompter, left, Tr("Unit", UnitMessages::kTimeExitMode));
    c.m_link.comm_Disconnect();
    c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kReady));
    return taken && left == UnitLink::kOk;
}
