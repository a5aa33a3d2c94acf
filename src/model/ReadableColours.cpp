#include "model/ReadableColours.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kPaletteKey = "Palette";

double Linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
    return 0.2126 * Linear(c.m_nRed) + 0.7152 * Linear(c.m_nGreen) + 0.0722 * Linear(c.m_nBlue);
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb PlainTextOn(Rgb background) {
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

Rgb WarningTextOn(Rgb background) {
    // From the usual dark red to the lightest: the first that reads is taken.
    constexpr Rgb reds[] = {{176, 0, 0}, {128, 0, 0}, {255, 128, 128}, {255, 176, 176}};
    for (const Rgb red : reds)
        if (ContrastRatio(red, background) >= kReadableContrast) return red;
    return PlainTextOn(background);
}

PaletteChoice LoadPaletteChoice(const Profile& profile) {
    const int value = profile.GetInt(kSectionUserData, kPaletteKey, 0);
    return value >= 0 && value <= static_cast<int>(PaletteChoice::HighContrast)
               ? static_cast<PaletteChoice>(value)
               : PaletteChoice::System;
}

void SavePaletteChoice(Profile& profile, PaletteChoice choice) {
    profile.SetInt(kSectionUserData, kPaletteKey, static_cast<int>(choice));
}

std::optional<PaletteScheme> SchemeOf(PaletteChoice choice) {
    switch (choice) {
        case PaletteChoice::Light:
            return PaletteScheme{
                {239, 239, 239}, {0, 0, 0},       {255, 255, 255}, {247, 247, 247}, {0, 0, 0},
                {110, 110, 110}, {239, 239, 239}, {0, 0, 0},       {30, 100, 180},  {255, 255, 255},
                {0, 80, 160},    {255, 255, 220}, {0, 0, 0},       {110, 110, 110}, {255, 255, 255},
                {202, 202, 202}, {164, 164, 164}, {160, 160, 160}, {105, 105, 105},
            };
        case PaletteChoice::Dark:
            return PaletteScheme{
                {45, 45, 48},    {230, 230, 230}, {30, 30, 32},    {40, 40, 44},    {230, 230, 230},
                {160, 160, 160}, {58, 58, 62},    {230, 230, 230}, {38, 110, 180},  {255, 255, 255},
                {120, 180, 255}, {60, 60, 64},    {230, 230, 230}, {150, 150, 150}, {80, 80, 86},
                {66, 66, 70},    {35, 35, 38},    {25, 25, 27},    {0, 0, 0},
            };
        case PaletteChoice::HighContrast:
            return PaletteScheme{
                {0, 0, 0},       {255, 255, 255}, {0, 0, 0},       {20, 20, 20},    {255, 255, 255},
                {200, 200, 200}, {85, 85, 85},    {255, 255, 255}, {255, 255, 0},   {0, 0, 0},
                {0, 255, 255},   {0, 0, 0},       {255, 255, 255}, {190, 190, 190}, {255, 255, 255},
                {200, 200, 200}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255},
            };
        case PaletteChoice::System:
            break;
    }
    return std::nullopt;
}
