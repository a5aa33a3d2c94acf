#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
#include "model/ReadableColours.h"

// The contrast measure against values worked out from the guidelines' formula.
TEST(ReadableColours, ContrastIsMeasuredAsTheGuidelinesDo) {
    const struct {
        Rgb a;
        Rgb b;
        double ratio;
    } cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},
        {{255, 255, 255}, {0, 0, 0}, 21.0},
        {{120, 120, 120}, {120, 120, 120}, 1.0},
        {{119, 119, 119}, {255, 255, 255}, 4.48},  // #777 on white: just too faint
        {{255, 0, 0}, {255, 255, 255}, 4.0},
        {{0, 0, 255}, {0, 0, 0}, 2.44},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01)
            << int(c.a.m_nRed) << "," << int(c.a.m_nGreen) << "," << int(c.a.m_nBlue);
}

// A warning stays red and readable on the light, dark and black backgrounds
// of the program's palettes and on the usual desktop greys.
TEST(ReadableColours, WarningsReadOnEveryBackground) {
    const Rgb backgrounds[] = {{255, 255, 255}, {239, 239, 239}, {200, 200, 200}, {45, 45, 48},
                               {30, 30, 32},    {0, 0, 0},       {60, 60, 64}};
    for (const Rgb back : backgrounds) {
        const Rgb red = WarningTextOn(back);
        EXPECT_GE(ContrastRatio(red, back), kReadableContrast) << int(back.m_nRed);
        EXPECT_GT(red.m_nRed, red.m_nGreen) << int(back.m_nRed);
        EXPECT_GE(ContrastRatio(PlainTextOn(back), back), 7.0) << int(back.m_nRed);
    }
    EXPECT_EQ(WarningTextOn({239, 239, 239}), (Rgb{176, 0, 0}));
    EXPECT_EQ(PlainTextOn({0, 240, 0}), (Rgb{0, 0, 0}));
    EXPECT_EQ(PlainTextOn({38, 110, 180}), (Rgb{255, 255, 255}));
}

// Every text of the program's palettes reads on the background it is drawn
// on; the high-contrast palette far beyond the least.
TEST(ReadableColours, EveryPaletteKeepsItsTextsReadable) {
    EXPECT_FALSE(SchemeOf(PaletteChoice::System));
    for (const PaletteChoice choice :
         {PaletteChoice::Light, PaletteChoice::Dark, PaletteChoice::HighContrast}) {
        const std::optional<PaletteScheme> s = SchemeOf(choice);
        ASSERT_TRUE(s);
        const double least = choice == PaletteChoice::HighContrast ? 7.0 : kReadableContrast;
        const struct {
            const char* what;
            Rgb text;
            Rgb back;
        } pairs[] = {
            {"window text", s->m_windowText, s->m_window},
            {"text", s->m_text, s->m_base},
            {"text on alternate rows", s->m_text, s->m_alternateBase},
            {"placeholder", s->m_placeholderText, s->m_base},
            {"button", s->m_buttonText, s->m_button},
            {"selection", s->m_highlightedText, s->m_highlight},
            {"link", s->m_link, s->m_base},
            {"tool tip", s->m_toolTipText, s->m_toolTipBase},
            {"warning", WarningTextOn(s->m_window), s->m_window},
        };
        for (const auto& p : pairs)
            EXPECT_GE(ContrastRatio(p.text, p.back), least)
                << static_cast<int>(choice) << " " << p.what;
    }
}

TEST(ReadableColours, PaletteChoiceIsKeptAndUnknownValuesMeanTheSystems) {
    MemoryProfile profile;
    EXPECT_EQ(LoadPaletteChoice(profile), PaletteChoice::System);
    SavePaletteChoice(profile, PaletteChoice::Dark);
    EXPECT_EQ(LoadPaletteChoice(profile), PaletteChoice::Dark);
    EXPECT_EQ(profile.GetInt(kSectionUserData, "Palette", -1), 2);
    for (const int stored : {-1, 4, 99}) {
        profile.SetInt(kSectionUserData, "Palette", stored);
        EXPECT_EQ(LoadPaletteChoice(profile), PaletteChoice::System) << stored;
    }
}
