#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "unit/TelnetComPort.h"

namespace {

// Speeds with and without 0xFF among their bytes, which the settings double.
constexpr uint32_t kBauds[] = {9600, 115200, 0xFF, 0xFFFFFFFF};

struct Heard {
    std::vector<uint8_t> m_data;
    std::vector<uint8_t> m_answer;
    TelnetComPort::State m_state;
    TelnetComPort::Refusal m_refusal;
    uint32_t m_nAsked;
    uint32_t m_nAnswered;

    bool operator==(const Heard&) const = default;
};

Heard Hear(uint32_t baud, std::span<const uint8_t> stream, size_t piece) {
    TelnetComPort telnet(baud);
    Heard heard{};
    heard.m_answer = telnet.Opening();
    while (!stream.empty()) {
        const size_t n = std::min(piece, stream.size());
        telnet.Receive(stream.first(n), heard.m_data, heard.m_answer);
        stream = stream.subspan(n);
    }
    heard.m_state = telnet.LineState();
    heard.m_refusal = telnet.Refused();
    heard.m_nAsked = telnet.Asked();
    heard.m_nAnswered = telnet.Answered();
    return heard;
}

}  // namespace

// Byte 0 picks the speed asked for, byte 1 the size of the pieces the server's
// bytes arrive in (0: all at once); the rest is what the server sends.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 2) return 0;
    const uint32_t baud = kBauds[bytes[0] % std::size(kBauds)];
    const size_t piece = bytes[1] == 0 ? size : bytes[1];
    const std::span<const uint8_t> stream(bytes + 2, size - 2);

    const Heard whole = Hear(baud, stream, stream.size() + 1);
    // How the bytes are cut into pieces changes nothing.
    if (!(Hear(baud, stream, piece) == whole)) std::abort();
    // Every byte of the unit's data came from the server; the answers stay in
    // proportion to what was received (the settings once per COM port request).
    if (whole.m_data.size() > stream.size()) std::abort();
    if (whole.m_answer.size() > 16 * stream.size() + 64) std::abort();
    if ((whole.m_state == TelnetComPort::State::Refused) !=
        (whole.m_refusal != TelnetComPort::Refusal::None))
        std::abort();

    // The unit's data, escaped on one side, is read back whole on the other.
    std::vector<uint8_t> line;
    TelnetComPort::Escape(stream, line);
    TelnetComPort far(baud);
    std::vector<uint8_t> data, answer;
    far.Receive(line, data, answer);
    if (!std::equal(data.begin(), data.end(), stream.begin(), stream.end()) || !answer.empty())
        std::abort();
    return 0;
}
