#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "model/CZRTProDoc.h"
#include "report/PrintReport.h"
#include "report/RecordingCanvas.h"
#include "support/Configs.h"
#include "support/ScriptedPrompter.h"

// A letter-like page: offsets 130 across and 120 down on 2000 x 3010 units,
// characters 25 high and 10 wide on average. Worked out by hand:
//   top margin m = 5 % of 3010 = 150 (150.5 cut), raised from 120
//   left margin o = 130, kept (5 % of 2000 is only 100)
//   t = 3010 - 300 = 2710, v = 2000 - 260 = 1740, bottom limit = 2860
//   line pitch K = 25 * 1.1 = 27 (27.5 cut); columns C0..C5 = 130 190 250 310 370 430
//   footer at x = 1740 / 2 + 130 - 6 * 10 = 940, y = 2860 - 25 = 2835
inline constexpr ReportPageMetrics kLetterPage{2000, 3010, 130, 120};
inline constexpr int kLetterCharHeight = 25;
inline constexpr int kLetterCharWidth = 10;

// A small page for page breaks: 1000 x 1000 without offsets, characters 10 x 5.
//   m = o = 50, t = v = 900, bottom limit = 950, K = 11
//   columns C0..C5 = 50 80 110 140 170 200; footer at (470, 940)
//   first body line L = 50 + 2K = 72
//   an input line fits while H <= 950 - 3 * 10 = 920,
//   a port or direct input while H <= 950 - 6 * 10 = 890
inline constexpr ReportPageMetrics kSmallPage{1000, 1000, 0, 0};
inline constexpr int kSmallCharHeight = 10;
inline constexpr int kSmallCharWidth = 5;

inline std::tm ReportTime() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 2;
    return t;
}

inline RecordingCanvas LetterCanvas() {
    return RecordingCanvas(kLetterPage, kLetterCharHeight, kLetterCharWidth);
}

inline RecordingCanvas SmallCanvas() {
    return RecordingCanvas(kSmallPage, kSmallCharHeight, kSmallCharWidth);
}

inline ReportResult RunReport(const CZRTProDoc& doc, RecordingCanvas& canvas, int firstPage = 1,
                              int lastPage = 0) {
    ScriptedPrompter prompter;
    ReportOptions options;
    options.m_time = ReportTime();
    options.m_nFirstPage = firstPage;
    options.m_nLastPage = lastPage;
    return PrintReport(doc, canvas, prompter, options);
}

// A 4-port system without camera interface units, inputs 21 to 24.
inline void BuildFourPorts(CZRTProDoc& doc, MemoryTree& tree) {
    BuildNumbered(doc, tree, 4, 0, 20);  // numbers follow the first: 21 to 24
    doc.SetPathName("/site/school.zrt");
    doc.SetModifiedFlag(false);
}

// `count` idle loop entries 1000, 1001, ... that no input carries.
inline std::vector<std::string> LongIdleLoop(int count) {
    std::vector<std::string> loop;
    for (int j = 0; j < count; ++j) loop.push_back(std::to_string(1000 + j));
    return loop;
}
