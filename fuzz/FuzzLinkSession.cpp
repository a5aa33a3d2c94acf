#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "unit/LopMessages.h"
#include "unit/UnitLink.h"
#include "unit/link/LinkProtocol.h"
#include "unit/link/LinkSession.h"

namespace {

namespace LP = LinkProtocol;

// The unit's side of the line, played from the fuzz input: each read takes a
// length byte and that many bytes (0: the line stays quiet for a while); at
// the input's end the line is lost.
class FuzzLine : public LinkTransport {
public:
    explicit FuzzLine(std::span<const uint8_t>& input) : m_input(input) {}

    bool Write(std::span<const uint8_t>, int) override { return true; }
    LinkIo Read(std::span<uint8_t> buffer, size_t& got, int) override {
        got = 0;
        if (m_input.empty()) return LinkIo::Lost;
        const size_t length = m_input[0];
        m_input = m_input.subspan(1);
        if (length == 0) return LinkIo::Timeout;
        got = std::min({length, m_input.size(), buffer.size()});
        std::copy_n(m_input.begin(), got, buffer.begin());
        m_input = m_input.subspan(got);
        return LinkIo::Ok;
    }
    void DiscardInput() override {}
    void Close() override {}

private:
    std::span<const uint8_t>& m_input;
};

// The request the selector byte names; its address comes from the next two.
std::vector<uint8_t> Request(uint8_t selector, uint16_t address) {
    switch (selector % 5) {
        case 0:
            return Lop::ReadCellMessage(address);
        case 1:
            return Lop::WriteCellMessage(address, static_cast<uint8_t>(selector));
        case 2:
            return Lop::ReadBlockMessage(address);
        case 3:
            return Lop::ClearBlockMessage(selector & 1);
        default:
            return Lop::SetTimeMessage("03/09/04 08:05:07");
    }
}

}  // namespace

// Whatever comes back on the line, every exchange ends, and a reply handed
// to the program starts with its request's opcode and is as long as it says.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> input(data, size);
    LinkSession session(std::make_unique<FuzzLine>(input));
    if (input.empty()) return 0;
    const uint8_t opening = input[0];
    input = input.subspan(1);
    if (opening & 1) {
        session.Connect("1234");
        session.SetProgrammingMode(true);
    }
    while (input.size() >= 3) {
        const std::vector<uint8_t> lop =
            Request(input[0], static_cast<uint16_t>(input[1] | input[2] << 8));
        input = input.subspan(3);
        if (session.Send(lop, LP::kDefaultReplyMs) != UnitLink::kOk) __builtin_trap();
        std::span<const uint8_t> reply;
        if (session.FetchReply(reply) != UnitLink::kOk) continue;
        if (reply.size() < 2 || reply.size() != size_t{reply[0]} + 1 || reply[1] != lop[1])
            __builtin_trap();
    }
    return 0;
}
