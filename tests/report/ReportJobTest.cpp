#include <gtest/gtest.h>

#include "report/ReportCases.h"

using Call = RecordingCanvas::Call;

TEST(ReportJob, PortraitJobNameAndFontBeforeTheFirstPage) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    RecordingCanvas canvas = LetterCanvas();
    ASSERT_EQ(RunReport(doc, canvas), ReportResult::Printed);

    const auto& e = canvas.m_events;
    ASSERT_GE(e.size(), 4u);
    EXPECT_EQ(e[0], (RecordingCanvas::Event{Call::Portrait, 0, 0, {}}));
    EXPECT_EQ(e[1], (RecordingCanvas::Event{Call::StartJob, 0, 0, "Bitmap Printing Test"}));
    EXPECT_EQ(e[2], (RecordingCanvas::Event{Call::SelectFont, 10, 0, "Verdana"}));
    EXPECT_EQ(e[3].m_call, Call::StartPage);
    EXPECT_EQ(e[e.size() - 2].m_call, Call::EndPage);
    EXPECT_EQ(e.back().m_call, Call::EndJob);
}

TEST(ReportJob, RefusedJobEndsSilently) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    RecordingCanvas canvas = LetterCanvas();
    canvas.m_bAcceptJob = false;
    ScriptedPrompter prompter;
    EXPECT_EQ(PrintReport(doc, canvas, prompter, {}), ReportResult::JobNotStarted);
    EXPECT_EQ(canvas.Calls(), (std::vector<Call>{Call::Portrait, Call::StartJob}));
    EXPECT_TRUE(prompter.m_shown.empty());
}

TEST(ReportJob, MissingFontIsReportedAndTheJobAbandoned) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    RecordingCanvas canvas = LetterCanvas();
    canvas.m_bFontAvailable = false;
    ScriptedPrompter prompter;
    EXPECT_EQ(PrintReport(doc, canvas, prompter, {}), ReportResult::FontFailed);
    EXPECT_EQ(canvas.Calls(), (std::vector<Call>{Call::Portrait, Call::StartJob, Call::SelectFont,
                                                 Call::AbortJob}));
    ASSERT_EQ(prompter.m_shown.size(), 1u);
    EXPECT_EQ(prompter.m_shown[0].m_strText, "Printer font (name:Verdana) creation failed");
    EXPECT_EQ(prompter.m_shown[0].m_strCaption, "Windoze error");
    EXPECT_EQ(prompter.m_shown[0].m_icon, PromptIcon::Error);
    EXPECT_EQ(prompter.m_shown[0].m_buttons, PromptButtons::Ok);
}

TEST(ReportJob, EmptyIdleLoopPrintsItsHeadingAndGoesOn) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFourPorts(doc, tree);
    doc.m_idleLoop.clear();
    RecordingCanvas canvas = LetterCanvas();
    ASSERT_EQ(RunReport(doc, canvas), ReportResult::Printed);
    const auto p = canvas.Pages().at(0);
    // the heading ends at H = 528 + 5K = 663; Input 1 follows one line below
    EXPECT_EQ(p.at(11), (RecordingCanvas::Placed{190, 636, "ArchNumbers:"}));
    EXPECT_EQ(p.at(12), (RecordingCanvas::Placed{130, 690, "Input 1, Direct:"}));
}
