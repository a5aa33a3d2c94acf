#include <gtest/gtest.h>

#include <algorithm>

#include "report/ReportCases.h"

using Placed = RecordingCanvas::Placed;

TEST(ReportLayout, FourPortReportPlacesEveryLine) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    doc.m_nodes[3].m_strName = "Hall           ";
    doc.m_nodes[5].m_strName = "Gym            ";
    doc.m_nIdleDelay = 5;
    doc.m_idleLoop = {"21", "77"};  // 77 is on no input: its name is empty
    RecordingCanvas canvas = LetterCanvas();

    ASSERT_EQ(RunReport(doc, canvas), ReportResult::Printed);

    const std::vector<Placed> page1 = {
        {130, 150, "NEXIL Program Data For: /site/school.zrt"},
        {130, 177, "03/07/26 09:05:02"},
        // first body line L = 150 + 2 * 27 = 204
        {130, 258, "System:"},
        {190, 312, "M-7700X Installed?: No"},
        {190, 339, "Number of EM-4500 Video Camera Interface Units: 0"},
        // H = 204 + 6K = 366
        {130, 393, "Settings:"},
        {190, 447, "Priority, highest first: PC,Phone"},
        {190, 474, "Video Out 1: 501"},
        {190, 501, "Video Out 2: 502"},
        // H = 528
        {130, 555, "Idle Loop:"},
        {190, 609, "Delay: 5 Seconds"},
        {190, 636, "ArchNumbers:"},
        {250, 663, "21"},
        {310, 663, "Hall           "},
        {250, 690, "77"},
        {310, 690, ""},
        // H = 717
        {130, 744, "Input 1, Direct:"},
        {310, 744, "21"},
        {370, 744, "Hall           "},
        {130, 798, "Input 2, Direct:"},
        {310, 798, "22"},
        {370, 798, ""},
        {130, 852, "Input 3, Direct:"},
        {310, 852, "23"},
        {370, 852, "Gym            "},
        {130, 906, "Input 4, Direct:"},
        {310, 906, "24"},
        {370, 906, ""},
        {940, 2835, "Page 1"},
    };
    const auto pages = canvas.Pages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], page1);
}

TEST(ReportLayout, EightPortReportWithTwoUnits) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 2, 100);
    doc.m_nPriority = 3;
    doc.m_adminArch = {511, 512, 513, 514};
    doc.m_nodes[4].m_strName = "Lobby cam 1    ";   // exp 1, inp 1
    doc.m_nodes[29].m_strName = "Yard           ";  // exp 2, inp 1
    doc.m_nodes[58].m_strName = "Gate           ";  // Input 8
    doc.m_idleLoop = {doc.m_nodes[29].m_strArch};
    RecordingCanvas canvas = LetterCanvas();

    ASSERT_EQ(RunReport(doc, canvas), ReportResult::Printed);

    const auto pages = canvas.Pages();
    ASSERT_EQ(pages.size(), 1u);
    const auto& p = pages[0];
    auto has = [&](const Placed& line) { return std::find(p.begin(), p.end(), line) != p.end(); };
    const std::string yardArch = doc.m_nodes[29].m_strArch;
    const Placed expected[] = {
        {190, 312, "M-7700X Installed?: Yes"},
        {190, 339, "Number of EM-4500 Video Camera Interface Units: 2"},
        {190, 447, "Priority, highest first: PC and Phone are Equal"},
        {190, 474, "Video Out 1: 511"},
        {190, 501, "Video Out 2: 512"},
        {190, 528, "Video Out 3: 513"},
        {190, 555, "Video Out 4: 514"},
        // H = 582 after four outputs
        {130, 609, "Idle Loop:"},
        {190, 663, "Delay: 3 Seconds"},
        {190, 690, "ArchNumbers:"},
        {250, 717, yardArch},
        {310, 717, "Yard           "},
        // H = 744: the first unit's port one line down, its inputs a line apart from 744 + 3K
        {130, 771, "Input 1"},
        {190, 825, "exp 1, inp 1:"},
        {370, 825, doc.m_nodes[4].m_strArch},
        {430, 825, "Lobby cam 1    "},
        {190, 1446, "exp 1, inp 24:"},
        {370, 1446, doc.m_nodes[27].m_strArch},
        // H = 1473
        {130, 1500, "Input 2"},
        {190, 1554, "exp 2, inp 1:"},
        {370, 1554, yardArch},
        {430, 1554, "Yard           "},
        {190, 2175, "exp 2, inp 24:"},
        // H = 2202: direct inputs two lines apart
        {130, 2229, "Input 3, Direct:"},
        {310, 2229, doc.m_nodes[53].m_strArch},
        {130, 2499, "Input 8, Direct:"},
        {310, 2499, doc.m_nodes[58].m_strArch},
        {370, 2499, "Gate           "},
        {940, 2835, "Page 1"},
    };
    for (const Placed& line : expected)
        EXPECT_TRUE(has(line)) << line.m_strText << " at " << line.m_nX << ", " << line.m_nY;
    // header 2, system 3, settings 6, idle loop 5, two ports, 54 inputs of 3 texts, footer
    EXPECT_EQ(p.size(), 2u + 3u + 6u + 5u + 2u + 3u * 54u + 1u);
}

TEST(ReportLayout, PriorityLine) {
    struct Case {
        int16_t priority;
        const char* text;
    };
    const Case cases[] = {
        {1, "Priority, highest first: Phone,PC"},
        {2, "Priority, highest first: PC,Phone"},
        {3, "Priority, highest first: PC and Phone are Equal"},
        {0, "Priority: Programming Error"},
        {4, "Priority: Programming Error"},
        {-1, "Priority: Programming Error"},
    };
    for (const Case& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFourPorts(doc, tree);
        doc.m_nPriority = c.priority;
        RecordingCanvas canvas = LetterCanvas();
        RunReport(doc, canvas);
        EXPECT_EQ(canvas.Pages().at(0).at(6), (Placed{190, 447, c.text})) << c.priority;
    }
}

TEST(ReportLayout, HeaderNamesTheFileAndMarksUnsavedChanges) {
    struct Case {
        const char* path;
        bool modified;
        const char* header;
    };
    const Case cases[] = {
        {"", true, "NEXIL Program Data For: Unsaved file*"},
        {"", false, "NEXIL Program Data For: Unsaved file"},
        {"/site/school.zrt", false, "NEXIL Program Data For: /site/school.zrt"},
        {"/site/school.zrt", true, "NEXIL Program Data For: /site/school.zrt*"},
    };
    for (const Case& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFourPorts(doc, tree);
        if (*c.path)
            doc.SetPathName(c.path);
        else
            doc.SetUntitled("untitled");
        doc.SetModifiedFlag(c.modified);
        RecordingCanvas canvas = LetterCanvas();
        RunReport(doc, canvas);
        EXPECT_EQ(canvas.Pages().at(0).at(0), (Placed{130, 150, c.header}));
    }
}

TEST(ReportLayout, DateLineUsesMonthDayYearAndTwentyFourHours) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    ScriptedPrompter prompter;
    ReportOptions options;
    options.m_time = ReportTime();
    options.m_time.tm_mon = 11;
    options.m_time.tm_mday = 31;
    options.m_time.tm_year = 2009 - 1900;
    options.m_time.tm_hour = 23;
    options.m_time.tm_min = 59;
    options.m_time.tm_sec = 8;
    RecordingCanvas canvas = LetterCanvas();
    PrintReport(doc, canvas, prompter, options);
    EXPECT_EQ(canvas.Pages().at(0).at(1), (Placed{130, 177, "12/31/09 23:59:08"}));
}
