#pragma once

#include <cstdint>
#include <optional>

#include "model/Profile.h"

// A colour of the screen, 8 bits a channel.
struct Rgb {
    uint8_t m_nRed = 0;
    uint8_t m_nGreen = 0;
    uint8_t m_nBlue = 0;
    bool operator==(const Rgb&) const = default;
};

// The contrast of two colours as the web's accessibility guidelines measure
// it, from 1 (the same) to 21 (black on white); text wants at least 4.5.
double ContrastRatio(Rgb a, Rgb b);
inline constexpr double kReadableContrast = 4.5;

// The red of a warning ("Conflicts Exist!", "Unit partly written.") that reads
// on `background`: a dark red on light backgrounds, a light one on dark ones.
Rgb WarningTextOn(Rgb background);
// Black or white, whichever reads better on `background`.
Rgb PlainTextOn(Rgb background);

// The palette the window is drawn with, chosen under View > Palette and kept
// in the profile: the desktop's own, or one of the program's.
enum class PaletteChoice { System = 0, Light = 1, Dark = 2, HighContrast = 3 };
PaletteChoice LoadPaletteChoice(const Profile& profile);
void SavePaletteChoice(Profile& profile, PaletteChoice choice);

// The colours of one of the program's palettes, by the roles a toolkit's
// palette has.
struct PaletteScheme {
    Rgb m_window;
    Rgb m_windowText;
    Rgb m_base;
    Rgb m_alternateBase;
    Rgb m_text;
    Rgb m_placeholderText;
    Rgb m_button;
    Rgb m_buttonText;
    Rgb m_highlight;
    Rgb m_highlightedText;
    Rgb m_link;
    Rgb m_toolTipBase;
    Rgb m_toolTipText;
    Rgb m_disabledText;
    Rgb m_light;
    Rgb m_midlight;
    Rgb m_mid;
    Rgb m_dark;
    Rgb m_shadow;
};

// Nothing for the system's palette, which the desktop gives.
std::optional<PaletteScheme> SchemeOf(PaletteChoice choice);
