#include "unit/DeviceServerProblem.h"

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/UnitMessages.h"

namespace {

using Refusal = TelnetComPort::Refusal;

std::string Setting(Refusal what, uint32_t value) {
    namespace M = UnitMessages;
    switch (what) {
        case Refusal::Baud:
            return StrFormat(Tr("Unit", M::kSettingBaud).c_str(), value);
        case Refusal::DataSize:
            return StrFormat(Tr("Unit", M::kSettingDataBits).c_str(), value);
        case Refusal::Parity:
            switch (value) {
                case 1:
                    return Tr("Unit", M::kSettingNoParity);
                case 2:
                    return Tr("Unit", M::kSettingOddParity);
                case 3:
                    return Tr("Unit", M::kSettingEvenParity);
                case 4:
                    return Tr("Unit", M::kSettingMarkParity);
                case 5:
                    return Tr("Unit", M::kSettingSpaceParity);
                default:
                    return StrFormat(Tr("Unit", M::kSettingParity).c_str(), value);
            }
        case Refusal::StopSize:
            if (value == 1) return Tr("Unit", M::kSettingStopBit1);
            if (value == 2) return Tr("Unit", M::kSettingStopBits2);
            if (value == 3) return Tr("Unit", M::kSettingStopBits15);
            return StrFormat(Tr("Unit", M::kSettingStopSize).c_str(), value);
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
    if (words.empty())
        return StrFormat(Tr("Unit", UnitMessages::kDeviceServerClosed).c_str(), server.c_str());
    return StrFormat(Tr("Unit", UnitMessages::kDeviceServerSaid).c_str(), server.c_str(),
                     words.c_str());
}

std::string DeviceServerProblem(const TelnetComPort& telnet, const std::string& server) {
    switch (telnet.LineState()) {
        case TelnetComPort::State::Ready:
            return {};
        case TelnetComPort::State::Pending:
            return StrFormat(Tr("Unit", UnitMessages::kComPortSilent).c_str(), server.c_str());
        case TelnetComPort::State::Refused:
            break;
    }
    const Refusal what = telnet.Refused();
    if (what == Refusal::ComPort)
        return StrFormat(Tr("Unit", UnitMessages::kComPortRefused).c_str(), server.c_str());
    if (what == Refusal::Binary)
        return StrFormat(Tr("Unit", UnitMessages::kBinaryRefused).c_str(), server.c_str());
    return StrFormat(Tr("Unit", UnitMessages::kLineSettingRefused).c_str(), server.c_str(),
                     Setting(what, telnet.Asked()).c_str(),
                     Setting(what, telnet.Answered()).c_str());
}
