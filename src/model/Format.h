#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>

// printf-style formatting of the program's message templates.
template <typename... Args>
std::string StrFormat(const char* format, Args... args) {
    const int n = std::snprintf(nullptr, 0, format, args...);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format, args...);
    out.resize(static_cast<size_t>(n));
    return out;
}

// Replaces "%1" in a framework-style template.
inline std::string ReplaceArg1(std::string text, const std::string& value) {
    const auto at = text.find("%1");
    if (at == std::string::npos) return text;
    return text.substr(0, at) + value + text.substr(at + 2);
}

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
