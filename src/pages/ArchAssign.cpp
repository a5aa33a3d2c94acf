#include "pages/ArchAssign.h"

#include <algorithm>

#include "model/TrimText.h"
#include "pages/PageMessages.h"
#include "tree/ArchRules.h"
#include "tree/BuildTree.h"
#include "tree/NameRule.h"

namespace {

int FindNodeFrom(const CZRTProDoc& doc, TreeItem item, int first) {
    if (!item) return -1;
    for (int i = first; i < doc.NodeCount(); ++i)
        if (doc.m_nodes[i].m_hItem == item) return i;
    return -1;
}

}  // namespace

void AssignArch(CZRTProDoc& doc, TreeSink& tree, int n, const std::string& arch,
                const std::string& name, int32_t zoneId) {
    CConfigNode& node = doc.m_nodes[n];
    bool kept = false;
    for (int j = kFixedNodeCount; j < doc.NodeCount() && !kept; ++j)
        kept = j != n && doc.m_nodes[j].m_strArch == node.m_strArch;
    if (!kept)
        doc.m_zones.push_back(
            {node.m_strArch, node.m_strName, node.IsNonPageable() ? -1 : node.m_nZoneId});

    const std::string newArch = Trim(arch);
    node.m_strArch = newArch;
    node.m_strName = name;
    node.m_nZoneId = zoneId;
    if (node.IsNonPageable() && zoneId >= 0) {
        node.MakePageable();
        node.m_nInputCode = node.m_nSignedCode;
        node.m_pPageClass = PageKind::CZRTForm;
    } else if (!node.IsNonPageable() && zoneId < 0) {
        node.MakeNonPageable();
        node.m_nInputCode = CConfigNode::DerivedInputCode(node.m_nSignedCode);
        node.m_pPageClass = PageKind::CZRTForm;
    }
    std::erase_if(doc.m_zones, [&](const CZoneEntry& z) { return z.m_strArch == newArch; });
    doc.SetModifiedFlag();
    SetNodeItemText(doc, tree, n);
}

ApplyOutcome ApplyArchSelection(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter, TreeItem item,
                                const ArchRow* row) {
    if (!row) {
        prompter.SetStatusText(Tr("Pages", PageMessages::kSelectionNotMade));
        return ApplyOutcome::NoSelection;
    }
    prompter.SetStatusText(" ");
    const int n = FindNodeFrom(doc, item, kFixedNodeCount);
    if (n < 0) {
        prompter.Message(Tr("Pages", PageMessages::kTreeItemNotFoundSetData));
        return ApplyOutcome::NodeNotFound;
    }
    if (row->m_strArch == doc.m_nodes[n].m_strArch) return ApplyOutcome::Unchanged;
    AssignArch(doc, tree, n, row->m_strArch, row->m_strName, row->m_nData);
    return ApplyOutcome::Assigned;
}

bool ResetCurrentArch(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter) {
    const int n = FindNodeFrom(doc, tree.SelectedItem(), 0);
    if (n < 0) {
        prompter.Message(Tr("Pages", PageMessages::kTreeItemNotFoundButton));
        return false;
    }
    const CConfigNode& node = doc.m_nodes[n];
    if (node.m_strOrigArch != node.m_strArch)
        AssignArch(doc, tree, n, node.m_strOrigArch, node.m_strOrigName, node.m_nOrigZoneId);
    return true;
}

bool IsResetEnabled(const CZRTProDoc& doc, const TreeSink& tree, Prompter& prompter,
                    const std::string& text) {
    const int n = FindNodeFrom(doc, tree.SelectedItem(), kFixedNodeCount);
    if (n < 0) {
        prompter.Message(Tr("Pages", PageMessages::kTreeItemNotFoundSetData));
        return false;
    }
    return text != doc.m_nodes[n].m_strOrigArch;
}

int ResetAllArchNumbers(CZRTProDoc& doc, TreeSink& tree) {
    int reset = 0;
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i) {
        const CConfigNode& node = doc.m_nodes[i];
        if (node.m_strArch == node.m_strOrigArch) continue;
        // Copies: the assignment changes the node.
        const std::string arch = node.m_strOrigArch;
        const std::string name = node.m_strOrigName;
        AssignArch(doc, tree, i, arch, name, node.m_nOrigZoneId);
        ++reset;
    }
    doc.SetModifiedFlag();
    return reset;
}

std::optional<ArchEdit> BeginArchEdit(const CZRTProDoc& doc, const TreeSink& tree,
                                      Prompter& prompter) {
    const int n = FindNodeFrom(doc, tree.SelectedItem(), kFixedNodeCount);
    if (n < 0) {
        prompter.Message(Tr("Pages", PageMessages::kTreeItemNotFoundEnterArch));
        return std::nullopt;
    }
    const CConfigNode& node = doc.m_nodes[n];
    return ArchEdit{n, node.m_strArch, TrimEnd(node.m_strName), node.IsNonPageable()};
}

void ApplyArchEdit(CZRTProDoc& doc, TreeSink& tree, int index, const std::string& arch,
                   const std::string& name) {
    CConfigNode& node = doc.m_nodes[index];
    const std::string oldArch = node.m_strArch;
    node.m_strArch = node.m_strOrigArch = arch;
    node.m_strName = node.m_strOrigName = PadName(name);
    SetNodeItemText(doc, tree, index);
    if (arch != oldArch) std::replace(doc.m_idleLoop.begin(), doc.m_idleLoop.end(), oldArch, arch);
    doc.SetModifiedFlag();
}

ArchEditResult FinishArchEdit(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter,
                              const ArchEdit& edit, const std::string& arch,
                              const std::string& name) {
    const std::string& newArch = edit.m_bArchEditable ? arch : edit.m_strArch;
    if (newArch == edit.m_strArch && TrimEnd(name) == edit.m_strName)
        return ArchEditResult::Unchanged;
    if (edit.m_bArchEditable && !ValidateArchEntry(doc, newArch, edit.m_nIndex, prompter))
        return ArchEditResult::Refused;
    if (!ValidateNameEntry(name, prompter)) return ArchEditResult::Refused;
    ApplyArchEdit(doc, tree, edit.m_nIndex, newArch, name);
    return ArchEditResult::Applied;
}
