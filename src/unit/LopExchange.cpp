#include "unit/LopExchange.h"

LopExchange ExchangeLop(UnitLink& link, const std::vector<uint8_t>& message, uint32_t timeoutMs) {
    LopExchange x;
    x.m_nCode = link.comm_SendLop(message, 1, timeoutMs);
    if (x.m_nCode != UnitLink::kOk) {
        x.m_result = LopExchange::Result::SendFailed;
        return x;
    }
    x.m_nCode = link.comm_GetLopData(x.m_reply);
    if (x.m_nCode != UnitLink::kOk || x.m_reply.empty()) x.m_result = LopExchange::Result::NoReply;
    return x;
}
