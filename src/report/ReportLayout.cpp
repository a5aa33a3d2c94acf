#include "report/ReportLayout.h"

#include <algorithm>
#include <utility>

#include "model/Format.h"
#include "model/NodeCodes.h"
#include "model/NodeLabels.h"
#include "model/Translate.h"
#include "report/ReportMessages.h"

namespace {

// The ports past those of the camera interface units carry one input each,
// directly (the tree's order: each unit's port and its inputs, then those).
bool IsDirectInput(const ZrtConfig& config, int node) {
    return node >= kFixedNodeCount + config.m_nCiuCount * (1 + kCiuInputs);
}

// Room a step leaves below it, in character heights: an input line needs its
// own, a port or direct input keeps room for the lines that follow it.
constexpr int kLineReserve = 3;
constexpr int kBlockReserve = 6;
constexpr int kFooterIndentChars = 6;
constexpr int kMaxVideoOuts = 4;

std::string PriorityText(int priority) {
    switch (priority) {
        case 1:
            return Tr("Report", kReportPriorityPhoneFirst);
        case 2:
            return Tr("Report", kReportPriorityPcFirst);
        case 3:
            return Tr("Report", kReportPriorityEqual);
        default:
            return Tr("Report", kReportPriorityError);
    }
}

}  // namespace

ReportLayout::ReportLayout(const CZRTProDoc& doc, const ReportGeometry& geometry,
                           ReportCanvas& canvas)
    : m_doc(doc), m_geometry(geometry), m_canvas(canvas), m_nNode(kFixedNodeCount) {
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
        m_names[doc.m_nodes[i].m_strArch] = doc.m_nodes[i].m_strName;
}

void ReportLayout::SetHeader(std::string title, std::string dateTime) {
    m_strTitle = std::move(title);
    m_strDateTime = std::move(dateTime);
}

void ReportLayout::SetPageRange(int first, int last) {
    m_nFirstPage = std::max(first, 1);
    m_nLastPage = std::max(last, 0);
}

int ReportLayout::Run() {
    do {
        LayOutPage();
    } while (m_section != Section::Complete);
    return m_nPage - 1;
}

void ReportLayout::LayOutPage() {
    if (Drawn()) m_canvas.StartPage();
    const int k = m_geometry.m_nPitch;
    m_nLine = m_geometry.m_nTop;
    Draw(0, m_nLine, StrFormat(Tr("Report", kReportHeader).c_str(), m_strTitle.c_str()));
    Draw(0, m_nLine + k, m_strDateTime);
    m_nLine += 2 * k;
    m_nFirstLine = m_nLine;

    bool stepped = false;
    while (m_section != Section::Complete && Step(!stepped)) stepped = true;

    DrawAt(
        m_geometry.m_nWidth / 2 + m_geometry.m_nLeft - kFooterIndentChars * m_geometry.m_nCharWidth,
        m_geometry.BottomLimit() - m_geometry.m_nCharHeight,
        StrFormat(Tr("Report", kReportFooter).c_str(), m_nPage));
    if (Drawn()) m_canvas.EndPage();
    ++m_nPage;
}

bool ReportLayout::Step(bool mustFit) {
    switch (m_section) {
        case Section::System:
            PrintSystem();
            return true;
        case Section::Settings:
            PrintSettings();
            return true;
        case Section::IdleLoop:
            return PrintIdleLoopStep(mustFit);
        case Section::Inputs:
            return PrintInputStep(mustFit);
        case Section::Complete:
            break;
    }
    return false;
}

void ReportLayout::PrintSystem() {
    const int k = m_geometry.m_nPitch;
    Draw(0, m_nLine + 2 * k, Tr("Report", kReportSystem));
    Draw(1, m_nLine + 4 * k,
         StrFormat(Tr("Report", kReportLargeUnit).c_str(),
                   Tr("Report", m_doc.m_nPortCount > 4 ? kReportYes : kReportNo).c_str()));
    Draw(1, m_nLine + 5 * k, StrFormat(Tr("Report", kReportCiuCount).c_str(), m_doc.m_nCiuCount));
    m_nLine += 6 * k;
    m_section = Section::Settings;
}

void ReportLayout::PrintSettings() {
    const int k = m_geometry.m_nPitch;
    Draw(0, m_nLine + k, Tr("Report", kReportSettings));
    Draw(1, m_nLine + 3 * k, PriorityText(m_doc.m_nPriority));
    // A hostile file's port count must not reach past the four stored outputs.
    const int outs = std::clamp(m_doc.m_nPortCount / 2, 0, kMaxVideoOuts);
    m_nLine += 4 * k;
    for (int n = 1; n <= outs; ++n) {
        Draw(1, m_nLine,
             StrFormat(Tr("Report", kReportVideoOut).c_str(), n, m_doc.m_adminArch[n - 1]));
        m_nLine += k;
    }
    m_section = Section::IdleLoop;
}

bool ReportLayout::PrintIdleLoopStep(bool mustFit) {
    const int k = m_geometry.m_nPitch;
    if (!m_bIdleHeaded) {
        Draw(0, m_nLine + k, Tr("Report", kReportIdleLoop));
        Draw(1, m_nLine + 3 * k,
             StrFormat(Tr("Report", kReportIdleDelay).c_str(), m_doc.m_nIdleDelay));
        Draw(1, m_nLine + 4 * k, Tr("Report", kReportArchNumbers));
        m_nLine += 5 * k;
        m_bIdleHeaded = true;
        m_nIdleEntry = 0;
    }
    if (m_nIdleEntry < m_doc.m_idleLoop.size()) {
        if (m_nLine == m_nFirstLine) {
            Draw(0, m_nLine + k, Tr("Report", kReportIdleContinued));
            m_nLine += 3 * k;
        }
        if (!HasRoom(kLineReserve, mustFit)) return false;
        const std::string& arch = m_doc.m_idleLoop[m_nIdleEntry];
        const auto name = m_names.find(arch);
        Draw(2, m_nLine, arch);
        Draw(3, m_nLine, name != m_names.end() ? name->second : std::string());
        m_nLine += k;
        ++m_nIdleEntry;
    }
    if (m_nIdleEntry >= m_doc.m_idleLoop.size()) {
        m_section = Section::Inputs;
        m_nNode = kFixedNodeCount;
    }
    return true;
}

bool ReportLayout::PrintInputStep(bool mustFit) {
    if (m_nNode >= m_doc.NodeCount()) {
        m_section = Section::Complete;
        return true;
    }
    const int k = m_geometry.m_nPitch;
    const CConfigNode& node = m_doc.m_nodes[m_nNode];
    if (node.m_nInputCode == kInputCodeCiuPort) {
        m_strContinued = ShownLabel(node.m_strLabel) + Tr("Report", kReportPortContinued);
        if (!HasRoom(kBlockReserve, mustFit)) return false;
        Draw(0, m_nLine + k, ShownLabel(node.m_strLabel));
        m_nLine += 3 * k;
    } else if (IsDirectInput(m_doc, m_nNode)) {
        if (!HasRoom(kBlockReserve, mustFit)) return false;
        Draw(0, m_nLine + k, ShownLabel(node.m_strLabel) + Tr("Report", kReportDirectInput));
        Draw(3, m_nLine + k, node.m_strArch);
        Draw(4, m_nLine + k, node.m_strName);
        m_nLine += 2 * k;
    } else {
        if (m_nLine == m_nFirstLine) {
            Draw(0, m_nLine + k, m_strContinued);
            m_nLine += 3 * k;
        }
        if (!HasRoom(kLineReserve, mustFit)) return false;
        Draw(1, m_nLine, ShownLabel(node.m_strLabel) + kReportCiuInput);
        Draw(4, m_nLine, node.m_strArch);
        Draw(5, m_nLine, node.m_strName);
        m_nLine += k;
    }
    if (++m_nNode >= m_doc.NodeCount()) m_section = Section::Complete;
    return true;
}

bool ReportLayout::HasRoom(int reserve, bool mustFit) const {
    return mustFit || m_nLine <= m_geometry.BottomLimit() - reserve * m_geometry.m_nCharHeight;
}

bool ReportLayout::Drawn() const {
    return m_nPage >= m_nFirstPage && (m_nLastPage == 0 || m_nPage <= m_nLastPage);
}

void ReportLayout::Draw(int column, int y, const std::string& text) {
    DrawAt(m_geometry.m_columns[static_cast<size_t>(column)], y, text);
}

void ReportLayout::DrawAt(int x, int y, const std::string& text) {
    if (Drawn()) m_canvas.DrawText(x, y, text);
}
