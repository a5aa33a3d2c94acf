#pragma once

#include <array>

#include "report/ReportCanvas.h"

// Where the report's lines go on a page, in device units.
struct ReportGeometry {
    int m_nTop = 0;     // top margin m
    int m_nLeft = 0;    // left margin o
    int m_nHeight = 0;  // printable height t
    int m_nWidth = 0;   // printable width v
    int m_nCharHeight = 0;
    int m_nCharWidth = 0;  // average character width
    int m_nPitch = 0;      // line pitch K
    std::array<int, 10> m_columns{};

    // The lowest line a page may use: t + m.
    int BottomLimit() const { return m_nHeight + m_nTop; }
};

// Margins are the unprintable offsets, raised to 5 % of the page so the text
// never runs to the paper's edge; the pitch leaves a tenth of a line between rows.
ReportGeometry ComputeReportGeometry(const ReportPageMetrics& page, int charHeight,
                                     int averageCharWidth);
