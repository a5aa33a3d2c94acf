#include "pages/IdleLoopEditor.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "model/TrimText.h"
#include "pages/PageMessages.h"

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

bool IdleLoopEditor::IsEndMarker(const std::string& line) {
    return line == Tr("Pages", PageMessages::kIdleEndMarker);
}

std::vector<std::string> IdleLoopEditor::InputLines() const {
    std::vector<std::string> lines;
    for (int i = kFixedNodeCount; i < m_doc.NodeCount(); ++i)
        if (m_doc.CarriesArch(i))
            lines.push_back(m_doc.m_nodes[i].m_strArch + '\t' + m_doc.m_nodes[i].m_strName);
    return lines;
}

void IdleLoopEditor::Load() {
    m_archLines.clear();
    m_idleLines.clear();
    m_nArchSelection = m_nIdleSelection = -1;
    if (m_doc.m_nodes.empty()) return;

    std::map<std::string, std::string> names;
    for (int i = kFixedNodeCount; i < m_doc.NodeCount(); ++i)
        if (m_doc.CarriesArch(i)) names[m_doc.m_nodes[i].m_strArch] = m_doc.m_nodes[i].m_strName;
    m_archLines = InputLines();
    std::stable_sort(m_archLines.begin(), m_archLines.end(), LessIgnoringCase);
    if (!m_archLines.empty()) m_nArchSelection = 0;

    for (const std::string& arch : m_doc.m_idleLoop) {
        const auto it = names.find(arch);
        m_idleLines.push_back(arch + '\t' + (it == names.end() ? std::string() : it->second));
    }
    m_idleLines.push_back(Tr("Pages", PageMessages::kIdleEndMarker));
    m_nIdleSelection = static_cast<int>(m_idleLines.size()) - 1;
}

int IdleLoopEditor::InsertBeforeSelection(const std::string& line) {
    const int at = m_nIdleSelection < 0 ? 0 : m_nIdleSelection;
    m_idleLines.insert(m_idleLines.begin() + at, line);
    if (m_nIdleSelection >= 0) ++m_nIdleSelection;
    return at;
}

int IdleLoopEditor::Add() {
    if (static_cast<int>(m_idleLines.size()) >= kIdleListLimit) {
        m_prompter.Message(Tr("Pages", PageMessages::kIdleLimit));
        return -1;
    }
    if (m_doc.m_nodes.empty() || m_nArchSelection < 0 || m_idleLines.empty()) return -1;
    const int at = InsertBeforeSelection(m_archLines[m_nArchSelection]);
    Store();
    return at;
}

void IdleLoopEditor::Remove() {
    const int count = static_cast<int>(m_idleLines.size());
    if (count <= 2) {
        m_prompter.Message(Tr("Pages", PageMessages::kIdleLastEntry));
    } else if (m_nIdleSelection >= 0 && !IsEndMarker(m_idleLines[m_nIdleSelection])) {
        m_idleLines.erase(m_idleLines.begin() + m_nIdleSelection);
        m_nIdleSelection = std::max(0, std::min(m_nIdleSelection, count - 1 - 2));
    }
    Store();
}

void IdleLoopEditor::AddAll() {
    if (m_idleLines.empty()) return;
    for (const std::string& line : InputLines()) {
        if (static_cast<int>(m_idleLines.size()) >= kIdleListLimit) {
            m_prompter.Message(Tr("Pages", PageMessages::kIdleLimit));
            break;
        }
        InsertBeforeSelection(line);
    }
    Store();
}

void IdleLoopEditor::Clear() {
    if (m_idleLines.empty()) return;
    m_idleLines.clear();
    if (!m_doc.m_idleLoop.empty()) m_idleLines.push_back(m_doc.m_idleLoop.front());
    m_idleLines.push_back(Tr("Pages", PageMessages::kIdleEndMarker));
    m_nIdleSelection = static_cast<int>(m_idleLines.size()) - 1;
    Store();
}

bool IdleLoopEditor::SetDelay(const std::string& text) {
    const std::string digits = Trim(text);
    if (digits.empty()) return false;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = std::min(value * 10 + (c - '0'), 1000);
    }
    if (value < 1 || value > 100) return false;
    if (value != m_doc.m_nIdleDelay) {
        m_doc.m_nIdleDelay = value;
        m_doc.SetModifiedFlag();
    }
    return true;
}

void IdleLoopEditor::SetNoVideo(bool noVideo) {
    m_doc.m_bIdleNoVideo = noVideo ? 1 : 0;
    m_doc.SetModifiedFlag();
}

bool IdleLoopEditor::CanDrag(int line) const {
    return Clamp(line, m_idleLines) >= 0 && !IsEndMarker(m_idleLines[line]);
}

void IdleLoopEditor::Move(int from, int before) {
    if (!CanDrag(from) || Clamp(before, m_idleLines) < 0) return;
    if (before != from && before != from + 1) {
        const std::string line = m_idleLines[from];
        m_idleLines.erase(m_idleLines.begin() + from);
        const int at = before > from ? before - 1 : before;
        m_idleLines.insert(m_idleLines.begin() + at, line);
        from = at;
    }
    m_nIdleSelection = from;
    Store();
}

void IdleLoopEditor::Store() {
    m_doc.m_idleLoop.clear();
    for (size_t i = 0; i + 1 < m_idleLines.size(); ++i) {
        const std::string& line = m_idleLines[i];
        const auto tab = line.find('\t');
        m_doc.m_idleLoop.push_back(tab == std::string::npos || tab == 0 ? line
                                                                        : line.substr(0, tab));
    }
    m_doc.SetModifiedFlag();
}
