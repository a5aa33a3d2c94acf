#include "unit/ConnectionAddress.h"

#include <charconv>
#include <vector>

namespace {

std::vector<std::string> SplitColons(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos) return parts;
        start = colon + 1;
    }
}

std::optional<int> Number(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int> Baud(const std::string& text) { return Number(text, 50, 4000000); }

// Digits and the dial modifiers of a Hayes dial string; nothing that could end the command.
bool IsDialString(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == ';' || c == 0x7F) return false;
    }
    return true;
}

// "HOST:PORT" or "[IPV6]:PORT", and after it what follows the port's colon.
bool SplitHostPort(const std::string& text, std::string& host, std::string& port) {
    size_t colon = 0;
    if (!text.empty() && text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string::npos || close + 1 >= text.size() || text[close + 1] != ':')
            return false;
        host = text.substr(1, close - 1);
        colon = close + 1;
    } else {
        colon = text.find(':');
        if (colon == std::string::npos) return false;
        host = text.substr(0, colon);
    }
    port = text.substr(colon + 1);
    return !host.empty();
}

std::string HostText(const std::string& host) {
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

}  // namespace

std::optional<ConnectionAddress> ParseConnectionAddress(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string kind = text.substr(0, colon);
    const std::string rest = text.substr(colon + 1);
    ConnectionAddress where;
    if (kind == "tcp") {
        // The port follows the last colon; an IPv6 host is written in brackets.
        const size_t last = rest.rfind(':');
        if (last == std::string::npos) return std::nullopt;
        std::string host = rest.substr(0, last);
        if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
            host = host.substr(1, host.size() - 2);
        const auto port = Number(rest.substr(last + 1), 1, 65535);
        if (host.empty() || !port) return std::nullopt;
        where.m_kind = ConnectionAddress::Kind::Tcp;
        where.m_strHost = host;
        where.m_nPort = *port;
        return where;
    }
    where.m_nBaud = ConnectionAddress::kDefaultBaud;
    if (kind == "rfc2217") {
        std::string host;
        std::string after;
        if (!SplitHostPort(rest, host, after)) return std::nullopt;
        const std::vector<std::string> parts = SplitColons(after);
        if (parts.size() > 2) return std::nullopt;
        const auto port = Number(parts[0], 1, 65535);
        const auto baud = parts.size() == 2 ? Baud(parts[1]) : where.m_nBaud;
        if (!port || !baud) return std::nullopt;
        where.m_kind = ConnectionAddress::Kind::Rfc2217;
        where.m_strHost = host;
        where.m_nPort = *port;
        where.m_nBaud = *baud;
        return where;
    }
    const std::vector<std::string> parts = SplitColons(rest);
    where.m_nBaud = ConnectionAddress::kDefaultBaud;
    if (kind == "serial") {
        if (parts.size() > 2) return std::nullopt;
        if (parts.size() == 2) {
            const auto baud = Baud(parts[1]);
            if (!baud) return std::nullopt;
            where.m_nBaud = *baud;
        }
        where.m_kind = ConnectionAddress::Kind::Serial;
        where.m_strDevice = parts[0];
    } else if (kind == "modem") {
        if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
        if (parts.size() == 3) {
            const auto baud = Baud(parts[1]);
            if (!baud) return std::nullopt;
            where.m_nBaud = *baud;
        }
        where.m_kind = ConnectionAddress::Kind::Modem;
        where.m_strDevice = parts[0];
        where.m_strNumber = parts.back();
        if (!IsDialString(where.m_strNumber)) return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (where.m_strDevice.empty()) return std::nullopt;
    return where;
}

std::string FormatConnectionAddress(const ConnectionAddress& where) {
    switch (where.m_kind) {
        case ConnectionAddress::Kind::Tcp:
            return "tcp:" + HostText(where.m_strHost) + ":" + std::to_string(where.m_nPort);
        case ConnectionAddress::Kind::Rfc2217:
            return "rfc2217:" + HostText(where.m_strHost) + ":" + std::to_string(where.m_nPort) +
                   ":" + std::to_string(where.m_nBaud);
        case ConnectionAddress::Kind::Modem:
            return "modem:" + where.m_strDevice + ":" + std::to_string(where.m_nBaud) + ":" +
                   where.m_strNumber;
        case ConnectionAddress::Kind::Serial:
            break;
    }
    return "serial:" + where.m_strDevice + ":" + std::to_string(where.m_nBaud);
}
