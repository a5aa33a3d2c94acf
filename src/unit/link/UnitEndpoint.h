#pragma once

#include <cstdint>
#include <span>
#include <vector>

class EmulatedUnit;

// The unit's end of docs/link-protocol.md over an emulated unit: the session
// (CONNECT with the password, programming mode, BYE) and the refusals, with
// the EEPROM and clock messages handed to the unit itself.
class UnitEndpoint {
public:
    explicit UnitEndpoint(EmulatedUnit& unit) : m_unit(unit) {}

    // The reply to one received LOP message (a frame without its check byte).
    std::vector<uint8_t> Handle(std::span<const uint8_t> lop);
    // The line went away: no session, programming mode left.
    void EndSession();

    // The unit's own messages (EEPROM and clock), as opposed to the session's.
    static bool IsUnitMessage(uint8_t opcode);
    // What goes on the line for `reply`: a reply that repeats the request byte
    // for byte (a cell write, an erase, the clock) shrinks to the short
    // acknowledgement, which a write of a whole configuration sends thousands of times.
    static std::vector<uint8_t> LineReply(std::span<const uint8_t> request,
                                          std::vector<uint8_t> reply);

private:
    EmulatedUnit& m_unit;
    bool m_bSession = false;
};
