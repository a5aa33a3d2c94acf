#include "lang/ShownText.h"

namespace {

// The length of the well-formed UTF-8 sequence of more than one byte at
// `at`, or 0.
size_t Utf8Length(const std::string& text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    // No overlong forms, surrogates or code points past U+10FFFF.
    const unsigned char second = byte(at + 1);
    if (lead == 0xE0 && second < 0xA0) return 0;
    if (lead == 0xED && second > 0x9F) return 0;
    if (lead == 0xF0 && second < 0x90) return 0;
    if (lead == 0xF4 && second > 0x8F) return 0;
    return length;
}

}  // namespace

QString ShownText(const std::string& text) {
    QString shown;
    shown.reserve(static_cast<qsizetype>(text.size()));
    for (size_t at = 0; at < text.size();) {
        const size_t length =
            static_cast<unsigned char>(text[at]) < 0x80 ? 0 : Utf8Length(text, at);
        if (length == 0) {
            shown += QChar(static_cast<unsigned char>(text[at]));
            ++at;
        } else {
            shown += QString::fromUtf8(text.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
    }
    return shown;
}
