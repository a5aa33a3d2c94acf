#include <gtest/gtest.h>

#include <algorithm>

#include "report/ReportCases.h"

// On the small page, a 4-port report's idle loop entries start at H = 259:
// system from L = 72 to 138, settings to 204 (two video outs), the idle loop
// heading to 259. Entry j sits at 259 + 11j and fits up to j = 60 (919).

using Placed = RecordingCanvas::Placed;

namespace {

int CountText(const RecordingCanvas& canvas, const std::string& text) {
    int n = 0;
    for (const auto& page : canvas.Pages())
        n += static_cast<int>(std::count_if(page.begin(), page.end(),
                                            [&](const Placed& p) { return p.m_strText == text; }));
    return n;
}

std::vector<Placed> Head(const std::vector<Placed>& page, size_t n) {
    return {page.begin(), page.begin() + static_cast<std::ptrdiff_t>(n)};
}

}  // namespace

TEST(ReportPaging, IdleLoopContinuesOnTheNextPage) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    doc.m_idleLoop = LongIdleLoop(70);
    RecordingCanvas canvas = SmallCanvas();
    RunReport(doc, canvas);

    const auto pages = canvas.Pages();
    ASSERT_EQ(pages.size(), 2u);
    const auto& p1 = pages[0];
    // 61 entries of two texts after 13 lines, then the footer
    ASSERT_EQ(p1.size(), 2u + 3u + 4u + 3u + 2u * 61u + 1u);
    EXPECT_EQ(p1[12], (Placed{110, 259, "1000"}));
    EXPECT_EQ(p1[12 + 2 * 60], (Placed{110, 919, "1060"}));
    EXPECT_EQ(p1.back(), (Placed{470, 940, "Page 1"}));

    const std::vector<Placed> p2Start = {
        {50, 50, "NEXIL Program Data For: /site/school.zrt"},
        {50, 61, "03/07/26 09:05:02"},
        {50, 83, "Idle Loop, continued:"},
        {110, 105, "1061"},
        {140, 105, ""},
    };
    const auto& p2 = pages[1];
    ASSERT_GE(p2.size(), p2Start.size());
    EXPECT_EQ(Head(p2, p2Start.size()), p2Start);
    // entries 1061 to 1069 end at 193, so the inputs start from H = 204
    EXPECT_EQ(p2[3 + 2 * 8], (Placed{110, 193, "1069"}));
    EXPECT_EQ(p2[3 + 2 * 9], (Placed{50, 215, "Input 1, Direct:"}));
    EXPECT_EQ(p2[3 + 2 * 9 + 9], (Placed{50, 281, "Input 4, Direct:"}));
    EXPECT_EQ(p2.back(), (Placed{470, 940, "Page 2"}));
}

TEST(ReportPaging, UnitInputsContinueUnderThePortHeading) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 1, 21);
    doc.m_nodes[12].m_strName = "Stairs         ";  // exp 1, inp 9
    doc.m_idleLoop = LongIdleLoop(50);
    RecordingCanvas canvas = SmallCanvas();
    RunReport(doc, canvas);

    // The idle loop ends at H = 259 + 550 = 809; the port heading goes at 820,
    // inputs 1 to 8 at 842 to 919, input 9 no longer fits.
    const auto pages = canvas.Pages();
    ASSERT_EQ(pages.size(), 2u);
    const auto& p1 = pages[0];
    auto onPage1 = [&](const Placed& line) {
        return std::find(p1.begin(), p1.end(), line) != p1.end();
    };
    EXPECT_TRUE(onPage1({50, 820, "Input 1"}));
    EXPECT_TRUE(onPage1({80, 842, "exp 1, inp 1:"}));
    EXPECT_TRUE(onPage1({80, 919, "exp 1, inp 8:"}));
    EXPECT_EQ(CountText(canvas, "exp 1, inp 9:"), 1);
    EXPECT_EQ(CountText(canvas, "Input 1 continued,"), 1);

    const std::vector<Placed> p2 = {
        {50, 50, "NEXIL Program Data For: Unsaved file"},
        {50, 61, "03/07/26 09:05:02"},
        {50, 83, "Input 1 continued,"},
        {80, 105, "exp 1, inp 9:"},
        {170, 105, doc.m_nodes[12].m_strArch},
        {200, 105, "Stairs         "},
    };
    ASSERT_GE(pages[1].size(), p2.size());
    EXPECT_EQ(Head(pages[1], p2.size()), p2);
    // inputs 9 to 24 end at 105 + 15 * 11 = 270; the direct inputs follow from H = 281
    EXPECT_EQ(pages[1][3 + 3 * 15], (Placed{80, 270, "exp 1, inp 24:"}));
    EXPECT_EQ(pages[1][3 + 3 * 16], (Placed{50, 292, "Input 2, Direct:"}));
    EXPECT_EQ(pages[1][3 + 3 * 18], (Placed{50, 336, "Input 4, Direct:"}));
}

TEST(ReportPaging, PortHeadingThatDoesNotFitMovesWithItsInputs) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 1, 21);
    doc.m_idleLoop = LongIdleLoop(58);  // ends at H = 259 + 638 = 897, past 890
    RecordingCanvas canvas = SmallCanvas();
    RunReport(doc, canvas);

    const auto pages = canvas.Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1][2], (Placed{50, 83, "Input 1"}));
    EXPECT_EQ(pages[1][3], (Placed{80, 105, "exp 1, inp 1:"}));
    EXPECT_EQ(CountText(canvas, "Input 1 continued,"), 0);
    EXPECT_EQ(CountText(canvas, "Idle Loop, continued:"), 0);
}

TEST(ReportPaging, DirectInputNeedsRoomForSixCharacterHeights) {
    struct Case {
        int idleEntries;
        size_t page;
        int y;
    };
    const Case cases[] = {
        {57, 0, 897},  // idle loop ends at 886: still room
        {58, 1, 83},   // ends at 897: past 890
        {61, 1, 83},   // the loop fills page 1 exactly; no idle heading repeats
    };
    for (const Case& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFourPorts(doc, tree);
        doc.m_idleLoop = LongIdleLoop(c.idleEntries);
        RecordingCanvas canvas = SmallCanvas();
        RunReport(doc, canvas);

        const auto pages = canvas.Pages();
        ASSERT_EQ(pages.size(), 2u) << c.idleEntries;
        const auto& p = pages[c.page];
        const auto at = std::find_if(p.begin(), p.end(), [](const Placed& line) {
            return line.m_strText == "Input 1, Direct:";
        });
        ASSERT_NE(at, p.end()) << c.idleEntries;
        EXPECT_EQ(*at, (Placed{50, c.y, "Input 1, Direct:"})) << c.idleEntries;
        EXPECT_EQ(*(at + 1), (Placed{140, c.y, "21"})) << c.idleEntries;
        EXPECT_EQ(CountText(canvas, "Idle Loop, continued:"), 0) << c.idleEntries;
    }
}

TEST(ReportPaging, PagesOutsideTheChosenRangeAreNotDrawn) {
    struct Case {
        int first, last;
        std::vector<std::string> footers;
    };
    const Case cases[] = {
        {1, 0, {"Page 1", "Page 2"}}, {2, 2, {"Page 2"}}, {1, 1, {"Page 1"}},
        {2, 9, {"Page 2"}},           {3, 0, {}},
    };
    for (const Case& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFourPorts(doc, tree);
        doc.m_idleLoop = LongIdleLoop(70);
        RecordingCanvas canvas = SmallCanvas();
        RunReport(doc, canvas, c.first, c.last);

        std::vector<std::string> footers;
        for (const auto& page : canvas.Pages()) {
            EXPECT_EQ(page.front().m_nY, 50);
            footers.push_back(page.back().m_strText);
        }
        EXPECT_EQ(footers, c.footers) << c.first << "-" << c.last;
        EXPECT_EQ(canvas.Calls().back(), RecordingCanvas::Call::EndJob);
    }
}

TEST(ReportPaging, PageTooSmallForAnyStepStillEnds) {
    // 100 x 100 units with 40-unit characters: m = o = 5, bottom limit 95,
    // K = 44, L = 93. Nothing fits below the header, so after the first page
    // (system, settings, idle heading) each page carries one step: the idle
    // entry under its continuation heading, then one direct input per page.
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    RecordingCanvas canvas(ReportPageMetrics{100, 100, 0, 0}, 40, 5);
    ASSERT_EQ(RunReport(doc, canvas), ReportResult::Printed);

    const auto pages = canvas.Pages();
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages[1][2], (Placed{5, 137, "Idle Loop, continued:"}));
    EXPECT_EQ(pages[1][3], (Placed{65, 225, "21"}));
    for (int k = 1; k <= 4; ++k) {
        const std::string label = "Input " + std::to_string(k) + ", Direct:";
        EXPECT_EQ(pages[static_cast<size_t>(k) + 1][2], (Placed{5, 137, label}));
        EXPECT_EQ(CountText(canvas, label), 1);
    }
    EXPECT_EQ(pages.back().back().m_strText, "Page 6");
}
