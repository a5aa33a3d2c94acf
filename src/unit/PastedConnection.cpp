#include "unit/PastedConnection.h"

#include <array>
#include <string_view>

namespace {

// The kinds a paste may name, by the prefix that names them.
constexpr std::array<std::string_view, 2> kPastedKinds = {"tcp:", "serial:"};

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::optional<ConnectionAddress> PastedConnection(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    for (const std::string_view prefix : kPastedKinds)
        if (trimmed.starts_with(prefix)) return ParseConnectionAddress(trimmed);
    return std::nullopt;
}
