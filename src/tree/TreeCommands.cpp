#include "tree/TreeCommands.h"

#include "tree/ArchRules.h"

bool ExpandConflictsEnabled(const CZRTProDoc& doc) { return doc.NodeCount() > 4; }

TreeItem ExpandTreeToShowConflicts(const CZRTProDoc& doc, TreeSink& tree) {
    TreeItem first = nullptr;
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i) {
        const TreeItem item = doc.m_nodes[i].m_hItem;
        if (!item || !IsInputInConflict(doc, i)) continue;
        if (const TreeItem parent = tree.ParentItem(item)) tree.Expand(parent);
        if (!first) first = item;
    }
    if (first) tree.SelectItem(first);
    return first;
}

bool ResetAllEnabled(const CZRTProDoc& doc, PageKind shownPage) {
    return shownPage == PageKind::CZRTForm && doc.NodeCount() > kFixedNodeCount;
}
