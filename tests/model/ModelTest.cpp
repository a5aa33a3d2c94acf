#include <gtest/gtest.h>

#include "model/MemoryProfile.h"
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
