#include "unit/DeviceServerProblem.h"

#include "model/Format.h"
#include "unit/UnitMessages.h"

namespace {

using Refusal = TelnetComPort::Refusal;

std::string Setting(Refusal what, uint32_t value) {
    switch (what) {
        case Refusal::Baud:
            return std::to_string(value) + " baud";
        case Refusal::DataSize:
            return std::to_string(value) + " data bits";
        case Refusal::Parity: {
            static const char* const kNames[] = {"no parity", "odd parity", "even parity",
                                                 "mark parity", "space parity"};
            if (value >= 1 && value <= std::size(kNames)) return kNames[value - 1];
            return "parity " + std::to_string(value);
        }
        case Refusal::StopSize:
            if (value == 1) return "1 stop bit";
            if (value == 2) return "2 stop bits";
            if (value == 3) return "1.5 stop bits";
            return "stop size " + std::to_string(value);
        case Refusal::None:
        case Refusal::ComPort:
        case Refusal::Binary:
            break;
    }
    return {};
}

// Far more than a server's one-line reason.
constexpr size_t kLongestSaying = 200;

}  // namespace

std::string DeviceServerClosed(const std::string& server, std::span<const uint8_t> said) {
    // Its words as one line of printable text; anything else is not a reason.
    std::string words;
    for (uint8_t b : said) {
        if (words.size() >= kLongestSaying) break;
        const bool blank = b == ' ' || b == '\r' || b == '\n' || b == '\t';
        if (blank && !words.empty() && words.back() != ' ') words += ' ';
        if (!blank && b > 0x20 && b < 0x7F) words += static_cast<char>(b);
    }
    while (!words.empty() && words.back() == ' ') words.pop_back();
    if (words.empty()) return StrFormat(UnitMessages::kDeviceServerClosed, server.c_str());
    return StrFormat(UnitMessages::kDeviceServerSaid, server.c_str(), words.c_str());
}

std::string DeviceServerProblem(const TelnetComPort& telnet, const std::string& server) {
    switch (telnet.LineState()) {
        case TelnetComPort::State::Ready:
            return {};
        case TelnetComPort::State::Pending:
            return StrFormat(UnitMessages::kComPortSilent, server.c_str());
        case TelnetComPort::State::Refused:
            break;
    }
    const Refusal what = telnet.Refused();
    if (what == Refusal::ComPort) return StrFormat(UnitMessages::kComPortRefused, server.c_str());
    if (what == Refusal::Binary) return StrFormat(UnitMessages::kBinaryRefused, server.c_str());
    return StrFormat(UnitMessages::kLineSettingRefused, server.c_str(),
                     Setting(what, telnet.Asked()).c_str(),
                     Setting(what, telnet.Answered()).c_str());
}
