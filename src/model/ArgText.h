#pragma once

#include <initializer_list>
#include <string>

// Replaces "%1" to "%9" in a framework-style template by the values given, in
// one pass: what a value brings in is never replaced in turn. A number without
// a value stays as it is.
inline std::string ReplaceArgs(const std::string& text, std::initializer_list<std::string> values) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const size_t n =
            next >= '1' && next <= '9' ? static_cast<size_t>(next - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
