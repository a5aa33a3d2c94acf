#include "report/ReportGeometry.h"

#include <algorithm>

namespace {

constexpr int kMarginPercent = 5;
constexpr int kColumnChars = 6;

}  // namespace

ReportGeometry ComputeReportGeometry(const ReportPageMetrics& page, int charHeight,
                                     int averageCharWidth) {
    ReportGeometry g;
    g.m_nTop = std::max(page.m_nOffsetY, page.m_nPhysicalHeight * kMarginPercent / 100);
    g.m_nLeft = std::max(page.m_nOffsetX, page.m_nPhysicalWidth * kMarginPercent / 100);
    g.m_nHeight = page.m_nPhysicalHeight - 2 * g.m_nTop;
    g.m_nWidth = page.m_nPhysicalWidth - 2 * g.m_nLeft;
    g.m_nCharHeight = charHeight;
    g.m_nCharWidth = averageCharWidth;
    g.m_nPitch = charHeight * 11 / 10;
    for (size_t c = 0; c < g.m_columns.size(); ++c)
        g.m_columns[c] = g.m_nLeft + static_cast<int>(c) * kColumnChars * averageCharWidth;
    return g;
}
