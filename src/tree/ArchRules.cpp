#include "tree/ArchRules.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "model/Format.h"
#include "model/TrimText.h"
#include "tree/BuildTree.h"
#include "tree/TreeMessages.h"

namespace {

void AppendConflict(std::string& report, bool& first, const std::string& header,
                    const std::string& label) {
    if (first) {
        report += "\r\n" + TrimEnd(header, kBlanks) + "\r\n " +
                  Tr("Tree", TreeMessages::kConflictsHeading) + "\r\n";
        first = false;
    }
    report += "   " + label + " \r\n";
}

}  // namespace

bool IsInputInConflict(const CZRTProDoc& doc, int i) {
    for (int j = kFixedNodeCount; j < doc.NodeCount(); ++j)
        if (j != i && doc.CarriesArch(j) && doc.m_nodes[j].m_strArch == doc.m_nodes[i].m_strArch)
            return true;
    return false;
}

ConflictReport RefreshConflictReport(CZRTProDoc& doc, const TreeSink& tree, Prompter& prompter,
                                     bool currentItemOnly) {
    doc.m_bConflicts = 0;
    ConflictReport result;
    if (currentItemOnly) {
        const int current = doc.FindNodeByItem(tree.SelectedItem());
        if (current < 0) {
            prompter.Message(Tr("Tree", TreeMessages::kTreeItemNotFoundCheckConflicts));
            return result;
        }
        const CConfigNode& cur = doc.m_nodes[current];
        bool first = true;
        for (int j = kFixedNodeCount; j < doc.NodeCount(); ++j) {
            if (j == current || !doc.CarriesArch(j) || doc.m_nodes[j].m_strArch != cur.m_strArch)
                continue;
            AppendConflict(result.m_strReport, first, InputItemText(cur),
                           InputItemText(doc.m_nodes[j]));
            doc.m_bConflicts = 1;
        }
    } else {
        std::vector<const CConfigNode*> pending;
        for (int j = kFixedNodeCount; j < doc.NodeCount(); ++j)
            if (doc.CarriesArch(j)) pending.push_back(&doc.m_nodes[j]);
        while (pending.size() >= 2) {
            const CConfigNode* head = pending.front();
            bool first = true;
            for (auto it = pending.begin() + 1; it != pending.end();) {
                if ((*it)->m_strArch != head->m_strArch) {
                    ++it;
                    continue;
                }
                AppendConflict(result.m_strReport, first, InputItemText(*head),
                               InputItemText(**it));
                doc.m_bConflicts = 1;
                it = pending.erase(it);
            }
            pending.erase(pending.begin());
        }
    }
    doc.CheckArchConflicts();
    result.m_bRefreshed = true;
    return result;
}

bool HasLegalArchCharacters(const std::string& arch) {
    for (unsigned char c : arch)
        if ((c < '0' || c > '9') && c != '#' && c != '*') return false;
    return true;
}

bool ValidateArchEntry(const CZRTProDoc& doc, const std::string& arch, int index,
                       Prompter& prompter) {
    if (!HasLegalArchCharacters(arch)) {
        prompter.Message(Tr("Tree", TreeMessages::kBadArchCharacter));
        return false;
    }
    bool accepted = true;
    for (int j = kFixedNodeCount; j < doc.NodeCount(); ++j) {
        if (j == index || !doc.CarriesArch(j) || doc.m_nodes[j].m_strArch != arch) continue;
        prompter.Message(StrFormat(Tr("Tree", TreeMessages::kArchAssignedAt).c_str(), arch.c_str(),
                                   ShownLabel(doc.m_nodes[j].m_strLabel).c_str()));
        accepted = false;
    }
    for (const CZoneEntry& z : doc.m_zones) {
        if (z.m_strArch != arch) continue;
        prompter.Message(StrFormat(Tr("Tree", TreeMessages::kArchInPool).c_str(), arch.c_str()));
        accepted = false;
    }
    return accepted;
}

std::string PadName(const std::string& name) {
    std::string padded = name;
    if (padded.size() < kNameLength) padded.resize(kNameLength, ' ');
    return padded;
}

bool ArchNumberLess(const std::string& a, const std::string& b) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            size_t ei = i, ej = j;
            while (ei < a.size() && digit(a[ei])) ++ei;
            while (ej < b.size() && digit(b[ej])) ++ej;
            // Values compared as text without their leading zeros.
            size_t si = a.find_first_not_of('0', i), sj = b.find_first_not_of('0', j);
            si = std::min(si, ei);
            sj = std::min(sj, ej);
            const std::string va = a.substr(si, ei - si), vb = b.substr(sj, ej - sj);
            if (va.size() != vb.size()) return va.size() < vb.size();
            if (va != vb) return va < vb;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j])
                return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    if (i < a.size() || j < b.size()) return j < b.size() && i >= a.size();
    return a < b;
}
