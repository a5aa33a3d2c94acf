#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "unit/UnitLink.h"

// One LOP message and its reply.
struct LopExchange {
    enum class Result { Ok, SendFailed, NoReply };
    Result m_result = Result::Ok;
    uint32_t m_nCode = UnitLink::kOk;  // the link's error bits of the failing call
    std::span<const uint8_t> m_reply;  // valid until the next call on the link
};

// Sends `message` and fetches its reply; no reply at all counts as a failed reply.
LopExchange ExchangeLop(UnitLink& link, const std::vector<uint8_t>& message,
                        uint32_t timeoutMs = UnitLink::kDefaultTimeout);
