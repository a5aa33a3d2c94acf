#include "unit/PastedConnection.h"

#include <array>
#include <string_view>

#include "model/TrimText.h"

namespace {

// The kinds a paste may name, by the prefix that names them.
constexpr std::array<std::string_view, 3> kPastedKinds = {"tcp:", "serial:", "rfc2217:"};

}  // namespace

std::optional<ConnectionAddress> PastedConnection(const std::string& text) {
    const std::string trimmed = Trim(text);
    for (const std::string_view prefix : kPastedKinds)
        if (trimmed.starts_with(prefix)) return ParseConnectionAddress(trimmed);
    return std::nullopt;
}
