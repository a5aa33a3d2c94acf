#include "import/DatabaseText.h"

std::string Utf8ToLatin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        unsigned code = length == 2 ? lead & 0x1F : 0x100;
        bool ok = length == 2 && i + 1 < utf8.size();
        if (ok) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            ok = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3F);
        }
        out += ok && code <= 0xFF ? static_cast<char>(code) : '?';
        i += length;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    return out;
}

std::optional<int> ParseByteValue(const std::string& text) {
    if (text.empty()) return 0;
    size_t i = 0;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 255) return std::nullopt;
    }
    if (i == 0) return std::nullopt;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        for (++i; i < text.size() && text[i] == '0'; ++i) {
        }
    }
    if (i != text.size()) return std::nullopt;
    return value;
}
