#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
#include "model/ShownText.h"
#include "model/WindowPlacement.h"
#include "support/Configs.h"

TEST(Model, NodeCountsAndInputCodes) {
    struct Case {
        int ports, ciu, nodes, inputs, lastCode;
    };
    for (const Case c :
         {Case{4, 0, 7, 4, 96}, Case{8, 8, 203, 192, 247}, Case{8, 2, 59, 54, 224}}) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, c.ports, c.ciu, 10);
        EXPECT_EQ(doc.NodeCount(), c.nodes);
        int inputs = 0;
        for (int i = 0; i < doc.NodeCount(); ++i) inputs += doc.IsInput(i);
        EXPECT_EQ(inputs, c.inputs);
        EXPECT_EQ(doc.m_nodes.back().m_nInputCode, c.lastCode);
    }
}

TEST(Model, TogglingPageabilityKeepsTheInputCode) {
    CConfigNode n;
    for (int code : {0, 32, 247}) {
        n.m_nSignedCode = n.m_nInputCode = code;
        n.MakeNonPageable();
        EXPECT_EQ(n.m_nSignedCode, code == 0 ? -3000 : -code);
        EXPECT_EQ(CConfigNode::DerivedInputCode(n.m_nSignedCode), code);
        n.MakePageable();
        EXPECT_EQ(n.m_nSignedCode, code);
    }
}

TEST(Model, CheckArchConflictsComparesInputsOnly) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 1, 100);
    EXPECT_TRUE(doc.CheckArchConflicts());
    EXPECT_EQ(doc.m_bConflicts, 0);

    // A camera interface unit's port node and the fixed nodes take no part.
    doc.m_nodes[3].m_strArch = doc.m_nodes[4].m_strArch;
    doc.m_nodes[0].m_strArch = doc.m_nodes[5].m_strArch;
    EXPECT_TRUE(doc.CheckArchConflicts());

    // One pageable and one non-pageable input sharing a number conflict.
    doc.m_nodes[6].MakeNonPageable();
    doc.m_nodes[6].m_strArch = doc.m_nodes[7].m_strArch;
    EXPECT_FALSE(doc.CheckArchConflicts());
    EXPECT_EQ(doc.m_bConflicts, 1);

    // The check never clears the flag.
    doc.m_nodes[6].m_strArch = "7777";
    EXPECT_TRUE(doc.CheckArchConflicts());
    EXPECT_EQ(doc.m_bConflicts, 1);
}

TEST(Model, SystemLabelCutsAtTheLastFullStop) {
    EXPECT_EQ(SystemLabel("school.zrt"), "school System");
    EXPECT_EQ(SystemLabel("plant.east.zrt"), "plant.east System");
    EXPECT_EQ(SystemLabel("untitled"), "untitled System");
}

// Enter and Esc on a question never throw work away.
TEST(SafeAnswer, IsTheAnswerThatLosesNothing) {
    const std::pair<PromptButtons, PromptAnswer> cases[] = {
        {PromptButtons::Ok, PromptAnswer::Ok},
        {PromptButtons::OkCancel, PromptAnswer::Cancel},
        {PromptButtons::YesNoCancel, PromptAnswer::Cancel},
        {PromptButtons::YesNo, PromptAnswer::No},
        {PromptButtons::RecoverDiscard, PromptAnswer::Yes},
    };
    for (const auto& [buttons, answer] : cases) EXPECT_EQ(SafeAnswer(buttons), answer);
}

// A window saved on a screen since unplugged, or far off every edge, is not
// put where no one can reach it; one partly off a screen stays where it was.
TEST(WindowPlacement, KeptBetweenRunsAndIgnoredOffEveryScreen) {
    MemoryProfile profile;
    EXPECT_FALSE(LoadPlacement(profile));
    const WindowPlacement placed{{1930, 40, 900, 600}, true};
    SavePlacement(profile, placed);
    EXPECT_EQ(LoadPlacement(profile), placed);

    const std::vector<ScreenRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const std::pair<ScreenRect, bool> cases[] = {
        {{100, 100, 900, 600}, true},    {{1930, 40, 900, 600}, true},
        {{-850, 10, 900, 600}, true},    // 50 px of the title bar still on screen
        {{-880, 10, 900, 600}, false},   // 20 px: too little to take
        {{3300, 100, 900, 600}, false},  // right of the second screen
        {{100, 1070, 900, 600}, false},  // title bar below the bottom
        {{100, -15, 900, 600}, false},   // title bar above the top
        {{2000, 1050, 900, 600}, false},
    };
    for (const auto& [rect, reachable] : cases)
        EXPECT_EQ(IsReachable(rect, screens), reachable) << rect.m_nX << "," << rect.m_nY;

    profile.SetInt(kSectionUserData, "WindowWidth", -5);
    EXPECT_FALSE(LoadPlacement(profile));
}

TEST(ShownText, PathsStayAsTypedAndLatin1NamesBecomeTheirLetters) {
    const struct {
        std::string bytes, shown;
    } cases[] = {
        {"Z\xFCrich", "Z\u00fcrich"},                            // a Latin-1 name
        {"/home/Sch\u00fcle/a.zrt", "/home/Sch\u00fcle/a.zrt"},  // a UTF-8 path
        {"Save /Sch\u00fcle/b.zrt? Caf\xE9", "Save /Sch\u00fcle/b.zrt? Caf\u00e9"},  // both
        {"end \xC3", "end \u00c3"},              // a cut sequence
        {"\xED\xA0\x80", "\u00ed\u00a0\u0080"},  // no UTF-8 surrogates
        {"", ""},
        {"plain", "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(TextAsUtf8(c.bytes), c.shown) << c.bytes;
}

// A window opened beside the main window goes to its right where the screen
// has room for it, else where it covers the least of the main window, always
// whole on the screen; where the user left it is kept by name.
TEST(WindowPlacement, BesideTheMainWindowWhereItCoversLeast) {
    const ScreenRect screen{0, 0, 1400, 900};
    struct Case {
        const char* what;
        ScreenRect main;
        int width, height;
        ScreenRect expected;
    };
    const Case cases[] = {
        {"room on the right", {100, 50, 700, 600}, 500, 400, {800, 50, 500, 400}},
        {"room on the left only", {600, 50, 700, 600}, 500, 400, {100, 50, 500, 400}},
        {"room below only", {0, 0, 1400, 450}, 600, 400, {0, 450, 600, 400}},
        {"pushed up to stay on the screen", {100, 700, 700, 150}, 500, 400, {800, 500, 500, 400}},
        // Maximized: every side covers; the right, pushed in, covers as much as any.
        {"no room anywhere", {0, 0, 1400, 900}, 500, 400, {900, 0, 500, 400}},
        // Less of the main window is covered on its left than on its right.
        {"least covered", {300, 0, 1000, 900}, 500, 400, {0, 0, 500, 400}},
        {"larger than the screen", {100, 50, 700, 600}, 2000, 1200, {0, 0, 1400, 900}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceBeside(c.main, c.width, c.height, screen), c.expected) << c.what;

    MemoryProfile profile;
    EXPECT_FALSE(LoadWindowPlace(profile, "Differences"));
    SaveWindowPlace(profile, "Differences", {20, 30, 640, 480});
    EXPECT_EQ(LoadWindowPlace(profile, "Differences"), (ScreenRect{20, 30, 640, 480}));
    EXPECT_FALSE(LoadWindowPlace(profile, "Other"));
}

// A window the scale makes larger than the screen shrinks to the screen's
// free area less its frame, and one that passes an edge moves back, so that
// its title bar and its foot can be reached; one that fits stays put.
TEST(WindowPlacement, FitsTheAvailableAreaAtAnyScale) {
    const ScreenRect area{0, 0, 1400, 900};
    const FrameMargins frame{1, 30, 1, 1};
    struct Case {
        const char* what;
        ScreenRect wanted;
        int smallestWidth;
        int smallestHeight;
        ScreenRect fitted;
    };
    const Case cases[] = {
        {"fits, stays", {100, 80, 800, 600}, 0, 0, {100, 80, 800, 600}},
        {"1.5 x 1040x700 centred", {-78, -35, 1560, 1050}, 400, 300, {1, 30, 1398, 869}},
        {"2 x 1040x700", {-340, -250, 2080, 1400}, 400, 300, {1, 30, 1398, 869}},
        {"passes the right and the foot", {900, 500, 800, 600}, 0, 0, {599, 299, 800, 600}},
        {"title bar above the top", {100, 10, 600, 400}, 0, 0, {100, 30, 600, 400}},
        {"least size larger than the screen keeps the title bar",
         {0, 0, 1600, 1000},
         1500,
         950,
         {1, 30, 1500, 950}},
        {"least size never grows a small window", {10, 40, 200, 100}, 300, 300, {10, 40, 200, 100}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitOnScreen(c.wanted, frame, area, c.smallestWidth, c.smallestHeight), c.fitted)
            << c.what;
    // A second screen to the right: the area's own origin counts.
    EXPECT_EQ(FitOnScreen({1300, 0, 1000, 700}, frame, {1400, 0, 1366, 768}, 0, 0),
              (ScreenRect{1401, 30, 1000, 700}));
    EXPECT_EQ(FitOnScreen({1400, 0, 2732, 1536}, {}, {1400, 0, 1366, 768}, 0, 0),
              (ScreenRect{1400, 0, 1366, 768}));
}
