#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The Telnet side of a serial device server reached over RFC 2217 (Telnet COM
// port control): the option negotiation (binary both ways, no go-ahead, COM
// port control), the serial line's settings and the server's answers to them,
// and the doubling of 0xFF in the data. It sees only bytes; the connection
// hands it what arrives and sends what it gives back.
class TelnetComPort {
public:
    // The line is set to `baud`, 8 data bits, no parity, 1 stop bit.
    explicit TelnetComPort(uint32_t baud);

    // What the server has settled so far.
    enum class State { Pending, Ready, Refused };
    // What the server refused, when State() is Refused.
    enum class Refusal { None, ComPort, Binary, Baud, DataSize, Parity, StopSize };

    // The requests that open the negotiation, sent once the connection stands.
    std::vector<uint8_t> Opening();
    // Appends `data` to `line` with every 0xFF doubled.
    static void Escape(std::span<const uint8_t> data, std::vector<uint8_t>& line);
    // Takes bytes as they arrived, in any pieces: the unit's data goes to
    // `data`, the answers owed to the server to `answer`.
    void Receive(std::span<const uint8_t> bytes, std::vector<uint8_t>& data,
                 std::vector<uint8_t>& answer);

    State LineState() const;
    Refusal Refused() const { return m_refusal; }
    // The value asked for and the one the server answered with, for a refused setting.
    uint32_t Asked() const { return m_nAsked; }
    uint32_t Answered() const { return m_nAnswered; }

private:
    enum class Side : uint8_t { No, Asked, Yes };
    enum class Parse : uint8_t { Data, Command, Option, Sub, SubCommand };
    // An option we mean to use, on our side and on the server's.
    struct Wanted {
        uint8_t m_option;
        Side m_ours;
        Side m_theirs;
    };

    void Command(uint8_t verb, uint8_t option, std::vector<uint8_t>& answer);
    void Subnegotiation();
    void SendSettings(std::vector<uint8_t>& answer);
    Wanted* Find(uint8_t option);
    void Refuse(Refusal what, uint32_t asked = 0, uint32_t answered = 0);
    // Answers an option we do not use, once per option and direction.
    void Decline(uint8_t verb, uint8_t option, std::vector<uint8_t>& answer);

    uint32_t m_nBaud;
    std::array<Wanted, 3> m_wanted;
    std::array<bool, 256> m_declinedOurs{};
    std::array<bool, 256> m_declinedTheirs{};
    Parse m_parse = Parse::Data;
    uint8_t m_verb = 0;
    std::vector<uint8_t> m_sub;
    bool m_subTooLong = false;
    unsigned m_settingsAnswered = 0;  // one bit per setting
    Refusal m_refusal = Refusal::None;
    uint32_t m_nAsked = 0;
    uint32_t m_nAnswered = 0;
};
