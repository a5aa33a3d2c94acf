#include "unit/link/ModemDial.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "unit/UnitLink.h"
#include "unit/link/Deadline.h"
#include "unit/link/LinkTransport.h"

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Reads lines from the modem until one carries a result code or the time is up.
ModemReply AwaitReply(LinkTransport& line, int ms, bool& lost, const std::function<void()>& wait) {
    const auto deadline = DeadlineClock::now() + std::chrono::milliseconds(ms);
    std::string pending;
    std::array<uint8_t, 256> buffer;
    lost = false;
    for (;;) {
        const int left = MsLeft(deadline);
        if (left == 0) return ModemReply::None;
        if (wait) wait();
        size_t got = 0;
        const LinkIo io = line.Read(buffer, got, wait ? std::min(left, kDialWaitSliceMs) : left);
        if (io == LinkIo::Lost) {
            lost = true;
            return ModemReply::None;
        }
        for (size_t i = 0; i < got; ++i) {
            const char c = static_cast<char>(buffer[i]);
            if (c != '\r' && c != '\n') {
                if (pending.size() < 256) pending.push_back(c);
                continue;
            }
            const ModemReply reply = ClassifyModemLine(pending);
            pending.clear();
            if (reply != ModemReply::None) return reply;
        }
    }
}

bool Send(LinkTransport& line, const std::string& command) {
    return line.Write({reinterpret_cast<const uint8_t*>(command.data()), command.size()}, 1000);
}

}  // namespace

ModemReply ClassifyModemLine(std::string_view line) {
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    if (line == "OK") return ModemReply::Ok;
    if (StartsWith(line, "CONNECT")) return ModemReply::Connect;
    if (line == "NO DIALTONE" || line == "NO DIAL TONE") return ModemReply::NoDialtone;
    if (line == "BUSY") return ModemReply::Busy;
    if (line == "NO CARRIER") return ModemReply::NoCarrier;
    if (line == "NO ANSWER") return ModemReply::NoAnswer;
    if (line == "ERROR") return ModemReply::Error;
    return ModemReply::None;
}

uint32_t DialModem(LinkTransport& line, const std::string& number, int okMs, int dialMs,
                   const std::function<void()>& wait) {
    line.DiscardInput();
    bool lost = false;
    if (!Send(line, "AT\r") || AwaitReply(line, okMs, lost, wait) != ModemReply::Ok)
        return UnitLink::kHardwareUnavailable;
    if (!Send(line, "ATDT" + number + "\r")) return UnitLink::kHardwareUnavailable;
    switch (AwaitReply(line, dialMs, lost, wait)) {
        case ModemReply::Connect:
            return UnitLink::kOk;
        case ModemReply::NoDialtone:
            return UnitLink::kNoDialtone;
        case ModemReply::Error:
            return UnitLink::kAddressBookError;
        case ModemReply::None:
            return lost ? UnitLink::kHardwareUnavailable : UnitLink::kNoUnitFound;
        default:
            return UnitLink::kNoUnitFound;
    }
}
