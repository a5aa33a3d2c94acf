#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "HayesModem.h"
#include "unit/emulator/EmulatedUnit.h"
#include "unit/link/FrameParser.h"
#include "unit/link/LinkFrame.h"
#include "unit/link/LinkProtocol.h"
#include "unit/link/UnitEndpoint.h"

// The emulator's end of the line: bytes from the computer to the modem's
// command side (when the first byte asks for a modem) or to the frame parser,
// each frame to the unit, each reply framed for the line. The second byte
// puts a quiet line after every that many bytes (0: never). Every reply the
// unit gives must go on the line as a frame.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const bool modemLine = data[0] & 1;
    const size_t quietEvery = data[1];
    EmulatedUnit unit;
    UnitEndpoint endpoint(unit);
    HayesModem modem(9600, (data[0] & 2) ? "BUSY" : "");
    FrameParser parser;
    const auto onFrame = [&](std::span<const uint8_t> lop) {
        if (lop.size() < 2 || lop.size() != size_t{lop[0]} + 1) __builtin_trap();
        const std::vector<uint8_t> reply = UnitEndpoint::LineReply(lop, endpoint.Handle(lop));
        if (EncodeFrame(reply).empty()) __builtin_trap();
        if (lop[1] == LinkProtocol::kOpBye) modem.HangUp();
    };
    std::vector<uint8_t> answer;
    for (size_t i = 2; i < size; ++i) {
        if (modemLine && !modem.InCall()) {
            answer.clear();
            modem.Receive(data[i], answer);
            if (modem.InCall()) parser.Reset();
        } else {
            parser.Feed({&data[i], 1}, onFrame);
        }
        if (parser.Kept() > LinkProtocol::kMaxFrame) __builtin_trap();
        if (quietEvery != 0 && (i - 1) % quietEvery == 0) parser.Resync(onFrame);
    }
    parser.Resync(onFrame);
    return 0;
}
