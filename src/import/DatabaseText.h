#pragma once

#include <optional>
#include <string>

// A column value as mdbtools delivers it (UTF-8 text) in the program's 8-bit
// text: characters beyond Latin-1 become "?".
std::string Utf8ToLatin1(const std::string& utf8);

// A column bound as a byte: a whole number 0 to 255. mdbtools prints floating
// columns with the C library's current decimal separator, so "3.000000" and
// "3,000000" both give 3. An empty value (NULL) gives 0. Nothing for anything else.
std::optional<int> ParseByteValue(const std::string& text);
