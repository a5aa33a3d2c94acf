#include "SimOptions.h"

#include <charconv>

#include "SimMessages.h"
#include "model/Format.h"

namespace M = SimMessages;

namespace {

std::optional<long> Number(const std::string& text, long low, long high) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<SimFault> ParseFault(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string kind = text.substr(0, colon);
    const auto n = Number(text.substr(colon + 1), 1, 1000000000L);
    if (!n) return std::nullopt;
    SimFault fault;
    fault.m_nMessage = *n;
    if (kind == "drop")
        fault.m_kind = SimFault::Kind::Drop;
    else if (kind == "corrupt")
        fault.m_kind = SimFault::Kind::Corrupt;
    else if (kind == "short")
        fault.m_kind = SimFault::Kind::Short;
    else if (kind == "stall")
        fault.m_kind = SimFault::Kind::Stall;
    else if (kind == "hangup")
        fault.m_kind = SimFault::Kind::Hangup;
    else if (kind == "die")
        fault.m_kind = SimFault::Kind::Die;
    else if (kind == "trickle")
        fault.m_kind = SimFault::Kind::Trickle;
    else
        return std::nullopt;
    return fault;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.m_bHelp = true;
            return options;
        }
        if (arg == "--version") {
            options.m_bVersion = true;
            return options;
        }
        if (arg == "--modem") {
            options.m_bModem = true;
            continue;
        }
        const bool takesValue = arg == "--eeprom" || arg == "--password" || arg == "--tcp" ||
                                arg == "--baud" || arg == "--fault" || arg == "--dial-result" ||
                                arg == "--byte-gap" || arg == "--weak-cell";
        if (!takesValue) {
            error = StrFormat(Tr("Unitsim", M::kUnknownArgument).c_str(), arg.c_str());
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            error = StrFormat(Tr("Unitsim", M::kNeedsValue).c_str(), arg.c_str());
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (arg == "--eeprom") {
            options.m_strEeprom = value;
        } else if (arg == "--password") {
            if (value.size() > 9) {
                error = Tr("Unitsim", M::kPasswordTooLong);
                return std::nullopt;
            }
            options.m_password = value;
        } else if (arg == "--dial-result") {
            if (value.empty() || value.find_first_of("\r\n") != std::string::npos) {
                error = Tr("Unitsim", M::kDialResultOneLine);
                return std::nullopt;
            }
            options.m_strDialResult = value;
        } else if (arg == "--tcp") {
            const auto port = Number(value, 0, 65535);
            if (!port) {
                error = Tr("Unitsim", M::kTcpPort);
                return std::nullopt;
            }
            options.m_bTcp = true;
            options.m_nTcpPort = static_cast<int>(*port);
        } else if (arg == "--baud") {
            const auto baud = Number(value, 0, 10000000L);
            if (!baud) {
                error = Tr("Unitsim", M::kBaudRate);
                return std::nullopt;
            }
            options.m_nBaud = static_cast<int>(*baud);
        } else if (arg == "--fault") {
            const auto fault = ParseFault(value);
            if (!fault) {
                error = Tr("Unitsim", M::kFaultKind);
                return std::nullopt;
            }
            options.m_faults.push_back(*fault);
        } else if (arg == "--byte-gap") {
            const auto gap = Number(value, 0, 10000);
            if (!gap) {
                error = Tr("Unitsim", M::kByteGap);
                return std::nullopt;
            }
            options.m_nByteGapMs = static_cast<int>(*gap);
        } else if (arg == "--weak-cell") {
            uint16_t address = 0;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), address, 16);
            if (value.empty() || ec != std::errc() || end != value.data() + value.size()) {
                error = Tr("Unitsim", M::kWeakCell);
                return std::nullopt;
            }
            options.m_weakCells.push_back(address);
        }
    }
    if (options.m_strEeprom.empty()) {
        error = Tr("Unitsim", M::kEepromRequired);
        return std::nullopt;
    }
    return options;
}
