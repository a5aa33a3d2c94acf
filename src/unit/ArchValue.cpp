#include "unit/ArchValue.h"

#include "model/TrimText.h"
#include "unit/UnitImageLayout.h"

namespace {

constexpr int kBase = 12;
constexpr int kStarDigit = 10;
constexpr int kHashDigit = 11;

int DigitOf(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c == '*') return kStarDigit;
    if (c == '#') return kHashDigit;
    return kArchInvalid;
}

char CharOf(int digit) {
    if (digit == kStarDigit) return '*';
    if (digit == kHashDigit) return '#';
    return static_cast<char>('0' + digit);
}

}  // namespace

int ArchToIndex(const std::string& arch) {
    const std::string text = Trim(arch, kBlanks);
    if (text.empty() || text.size() > UnitImage::kArchMaxLength) return kArchInvalid;
    int value = 0;
    for (char c : text) {
        const int digit = DigitOf(c);
        if (digit == kArchInvalid) return kArchInvalid;
        value = value * kBase + digit;
    }
    return value;
}

std::string IndexToArch(int value) {
    std::string text;
    for (int weight = kBase * kBase * kBase; weight > 1; weight /= kBase) {
        const int digit = value / weight % kBase;
        if (digit != 0 || !text.empty()) text += CharOf(digit);
    }
    text += CharOf(value % kBase);
    return text;
}

void FormatArchField(const std::string& arch, uint8_t* out) {
    std::string text = Trim(arch, kBlanks);
    if (text.size() > UnitImage::kArchMaxLength) text.resize(UnitImage::kArchMaxLength);
    const size_t pad = UnitImage::kArchMaxLength - text.size();
    for (size_t i = 0; i < UnitImage::kArchMaxLength; ++i)
        out[i] = i < pad ? ' ' : static_cast<uint8_t>(text[i - pad]);
    out[UnitImage::kArchMaxLength] = 0x00;
}

std::string ArchFieldText(const uint8_t* field) {
    std::string text;
    for (size_t i = 0; i < UnitImage::kArchFieldSize && field[i] != 0x00; ++i)
        text += static_cast<char>(field[i]);
    return Trim(text, kBlanks);
}
