#pragma once

#include <string>

// The characters trimmed from the ends of a text: white space of every kind,
// or the blanks a fixed-width field is padded with.
inline constexpr const char* kWhiteSpace = " \t\r\n\v\f";
inline constexpr const char* kBlanks = " ";

// The text without the characters of `chars` at either end.
inline std::string Trim(const std::string& text, const char* chars = kWhiteSpace) {
    const auto first = text.find_first_not_of(chars);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(chars) - first + 1);
}

// The text without the characters of `chars` at its end.
inline std::string TrimEnd(const std::string& text, const char* chars = kWhiteSpace) {
    const auto last = text.find_last_not_of(chars);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}
