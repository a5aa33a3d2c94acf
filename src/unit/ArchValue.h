#pragma once

#include <cstdint>
#include <string>

// An Arch Number's place in the unit: a base-12 value read right to left, a
// digit counting its own value, '*' 10 and '#' 11.

inline constexpr int kArchInvalid = -1;
inline constexpr int kArchValueCount = 20736;

// The value of an Arch Number (blanks at both ends ignored), or kArchInvalid
// when it is empty, longer than 4 characters or holds another character.
int ArchToIndex(const std::string& arch);

// The text of a value from 0 to 20,735, without leading zeros ("0" for 0).
std::string IndexToArch(int value);

// The 5-byte field of an Arch Number: the trimmed text right-aligned in bytes
// 0-3 with leading blanks, and a NUL in byte 4. Only the first 4 characters of
// a longer text fit; the write refuses such numbers before it builds an image.
void FormatArchField(const std::string& arch, uint8_t* out);

// The trimmed text of a 5-byte Arch field, ending at its first NUL.
std::string ArchFieldText(const uint8_t* field);
