#pragma once

#include <string>

// The characters a name may not hold, wherever it comes from: control
// characters below 0x20, 0x7F, and 0x80 to 0x9F of the unit's Latin-1 set.
inline bool IsControlCharacter(unsigned char c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// `latin1` with every control character made a blank: names that arrive from
// outside (a paging system's export, a unit, a file) are taken this way, where
// the editors refuse them.
inline std::string BlankControlCharacters(std::string latin1) {
    for (char& c : latin1)
        if (IsControlCharacter(static_cast<unsigned char>(c))) c = ' ';
    return latin1;
}
