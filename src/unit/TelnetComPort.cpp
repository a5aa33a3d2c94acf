#include "unit/TelnetComPort.h"

namespace {

// Telnet commands (RFC 854) and options (RFC 856, 858, 2217).
constexpr uint8_t kIac = 255;
constexpr uint8_t kDont = 254;
constexpr uint8_t kDo = 253;
constexpr uint8_t kWont = 252;
constexpr uint8_t kWill = 251;
constexpr uint8_t kSb = 250;
constexpr uint8_t kSe = 240;

constexpr uint8_t kBinary = 0;
constexpr uint8_t kSuppressGoAhead = 3;
constexpr uint8_t kComPort = 44;

// COM port control requests; the server answers each with its code + 100.
constexpr uint8_t kSetBaud = 1;
constexpr uint8_t kSetDataSize = 2;
constexpr uint8_t kSetParity = 3;
constexpr uint8_t kSetStopSize = 4;
constexpr uint8_t kServerOffset = 100;

constexpr uint8_t kDataSize8 = 8;
constexpr uint8_t kParityNone = 1;
constexpr uint8_t kStopSize1 = 1;
constexpr unsigned kAllSettings = 0x0F;

// A server's subnegotiation longer than this is none we use; it is dropped.
constexpr size_t kLongestSub = 16;

void Put(std::vector<uint8_t>& out, uint8_t verb, uint8_t option) {
    out.insert(out.end(), {kIac, verb, option});
}

}  // namespace

TelnetComPort::TelnetComPort(uint32_t baud)
    : m_nBaud(baud),
      m_wanted{{{kBinary, Side::No, Side::No},
                {kSuppressGoAhead, Side::No, Side::No},
                {kComPort, Side::No, Side::No}}} {}

std::vector<uint8_t> TelnetComPort::Opening() {
    std::vector<uint8_t> out;
    for (Wanted& w : m_wanted) {
        if (w.m_ours == Side::No) {
            w.m_ours = Side::Asked;
            Put(out, kWill, w.m_option);
        }
        // COM port control is the client's side only.
        if (w.m_option != kComPort && w.m_theirs == Side::No) {
            w.m_theirs = Side::Asked;
            Put(out, kDo, w.m_option);
        }
    }
    return out;
}

void TelnetComPort::Escape(std::span<const uint8_t> data, std::vector<uint8_t>& line) {
    line.reserve(line.size() + data.size());
    for (uint8_t b : data) {
        line.push_back(b);
        if (b == kIac) line.push_back(kIac);
    }
}

void TelnetComPort::Receive(std::span<const uint8_t> bytes, std::vector<uint8_t>& data,
                            std::vector<uint8_t>& answer) {
    for (uint8_t b : bytes) {
        switch (m_parse) {
            case Parse::Data:
                if (b == kIac)
                    m_parse = Parse::Command;
                else
                    data.push_back(b);
                break;
            case Parse::Command:
                m_parse = Parse::Data;
                if (b == kIac) {
                    data.push_back(kIac);
                } else if (b >= kWill && b <= kDont) {
                    m_verb = b;
                    m_parse = Parse::Option;
                } else if (b == kSb) {
                    m_sub.clear();
                    m_subTooLong = false;
                    m_parse = Parse::Sub;
                }
                // Any other command (NOP, go-ahead, data mark, ...) carries nothing for us.
                break;
            case Parse::Option:
                m_parse = Parse::Data;
                Command(m_verb, b, answer);
                break;
            case Parse::Sub:
                if (b == kIac) {
                    m_parse = Parse::SubCommand;
                } else if (m_sub.size() < kLongestSub) {
                    m_sub.push_back(b);
                } else {
                    m_subTooLong = true;
                }
                break;
            case Parse::SubCommand:
                if (b == kIac) {
                    m_parse = Parse::Sub;
                    if (m_sub.size() < kLongestSub)
                        m_sub.push_back(kIac);
                    else
                        m_subTooLong = true;
                } else if (b == kSe) {
                    m_parse = Parse::Data;
                    if (!m_subTooLong) Subnegotiation();
                } else {
                    // A command inside a subnegotiation ends it unfinished; the command counts.
                    m_parse = Parse::Command;
                    Receive(std::span<const uint8_t>(&b, 1), data, answer);
                }
                break;
        }
    }
}

TelnetComPort::Wanted* TelnetComPort::Find(uint8_t option) {
    for (Wanted& w : m_wanted)
        if (w.m_option == option) return &w;
    return nullptr;
}

void TelnetComPort::Command(uint8_t verb, uint8_t option, std::vector<uint8_t>& answer) {
    Wanted* w = Find(option);
    // The server's side of COM port control is nothing the client uses.
    if (w && option == kComPort && (verb == kWill || verb == kWont)) w = nullptr;
    if (!w) {
        Decline(verb, option, answer);
        return;
    }
    const bool ours = verb == kDo || verb == kDont;
    Side& side = ours ? w->m_ours : w->m_theirs;
    const bool enable = verb == kDo || verb == kWill;
    if (enable) {
        // A request for what is already so is not answered: that ends a loop.
        if (side == Side::No) Put(answer, ours ? kWill : kDo, option);
        const bool wasOn = side == Side::Yes;
        side = Side::Yes;
        if (ours && option == kComPort && !wasOn) SendSettings(answer);
        return;
    }
    if (side == Side::Yes) Put(answer, ours ? kWont : kDont, option);
    side = Side::No;
    if (option == kComPort) Refuse(Refusal::ComPort);
    if (option == kBinary) Refuse(Refusal::Binary);
}

void TelnetComPort::Decline(uint8_t verb, uint8_t option, std::vector<uint8_t>& answer) {
    // An option we do not use is off; only an offer or a request to turn it on is answered.
    if (verb == kWill && !m_declinedTheirs[option]) {
        m_declinedTheirs[option] = true;
        Put(answer, kDont, option);
    } else if (verb == kDo && !m_declinedOurs[option]) {
        m_declinedOurs[option] = true;
        Put(answer, kWont, option);
    }
}

void TelnetComPort::SendSettings(std::vector<uint8_t>& answer) {
    const uint8_t head[] = {kIac, kSb, kComPort};
    const auto request = [&](uint8_t code, std::vector<uint8_t> value) {
        answer.insert(answer.end(), std::begin(head), std::end(head));
        answer.push_back(code);
        Escape(value, answer);
        answer.insert(answer.end(), {kIac, kSe});
    };
    request(kSetBaud, {static_cast<uint8_t>(m_nBaud >> 24), static_cast<uint8_t>(m_nBaud >> 16),
                       static_cast<uint8_t>(m_nBaud >> 8), static_cast<uint8_t>(m_nBaud)});
    request(kSetDataSize, {kDataSize8});
    request(kSetParity, {kParityNone});
    request(kSetStopSize, {kStopSize1});
}

void TelnetComPort::Subnegotiation() {
    if (m_sub.size() < 3 || m_sub[0] != kComPort) return;
    const uint8_t code = m_sub[1];
    const std::span<const uint8_t> value(m_sub.begin() + 2, m_sub.end());
    uint32_t got = 0;
    for (uint8_t b : value) got = got << 8 | b;
    struct Setting {
        uint8_t m_code;
        size_t m_size;
        uint32_t m_asked;
        Refusal m_refusal;
    };
    const Setting settings[] = {
        {kSetBaud, 4, m_nBaud, Refusal::Baud},
        {kSetDataSize, 1, kDataSize8, Refusal::DataSize},
        {kSetParity, 1, kParityNone, Refusal::Parity},
        {kSetStopSize, 1, kStopSize1, Refusal::StopSize},
    };
    for (size_t i = 0; i < std::size(settings); ++i) {
        const Setting& s = settings[i];
        // Notifications of line and modem state, and answers to requests never made, are let go.
        if (code != s.m_code + kServerOffset || value.size() != s.m_size) continue;
        m_settingsAnswered |= 1u << i;
        if (got != s.m_asked) Refuse(s.m_refusal, s.m_asked, got);
    }
}

void TelnetComPort::Refuse(Refusal what, uint32_t asked, uint32_t answered) {
    if (m_refusal != Refusal::None) return;
    m_refusal = what;
    m_nAsked = asked;
    m_nAnswered = answered;
}

TelnetComPort::State TelnetComPort::LineState() const {
    if (m_refusal != Refusal::None) return State::Refused;
    const Wanted& binary = m_wanted[0];
    const bool ready = m_settingsAnswered == kAllSettings && binary.m_ours == Side::Yes &&
                       binary.m_theirs == Side::Yes;
    return ready ? State::Ready : State::Pending;
}
