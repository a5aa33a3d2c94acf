#pragma once

#include <optional>
#include <string>

// Where the link goes, as an address-book entry describes it:
//   serial:DEVICE[:BAUD]   tcp:HOST:PORT   rfc2217:HOST:PORT[:BAUD]
//   modem:DEVICE[:BAUD]:NUMBER
// An IPv6 host is written in brackets.
struct ConnectionAddress {
    enum class Kind { Serial, Tcp, Modem, Rfc2217 };
    // The line speed when the text names none.
    static constexpr int kDefaultBaud = 9600;

    Kind m_kind = Kind::Serial;
    std::string m_strDevice;  // serial and modem: port name or path
    int m_nBaud = 0;          // serial, modem and rfc2217
    std::string m_strHost;    // tcp and rfc2217
    int m_nPort = 0;          // tcp and rfc2217
    std::string m_strNumber;  // modem: what follows ATDT
};

// Nothing when the text is not a complete, sensible description.
std::optional<ConnectionAddress> ParseConnectionAddress(const std::string& text);

// The text of a connection, as ParseConnectionAddress reads it back.
std::string FormatConnectionAddress(const ConnectionAddress& where);
