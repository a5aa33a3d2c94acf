#pragma once

#include <cstdio>
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
