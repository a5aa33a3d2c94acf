#pragma once

#include <vector>

#include "model/CZRTProDoc.h"
#include "support/ScriptedPrompter.h"
#include "tree/BuildTree.h"
#include "tree/MemoryTree.h"

// A document built as the wizard's generated numbering builds it.
inline void BuildNumbered(CZRTProDoc& doc, MemoryTree& tree, int ports, int ciuCount,
                          int firstNumber) {
    ScriptedPrompter prompter;
    const int inputs = ports + 23 * ciuCount;
    BuildTree(doc, tree, prompter, nullptr, false, inputs, firstNumber, ciuCount, ports);
}

// A document built from imported records.
inline void BuildFromRecords(CZRTProDoc& doc, MemoryTree& tree,
                             const std::vector<CImportRecord>& records, int ports, int ciuCount) {
    ScriptedPrompter prompter;
    BuildTree(doc, tree, prompter, &records, false, static_cast<int>(records.size()), -1, ciuCount,
              ports);
}

// Index of the node labelled `label`, or -1.
inline int NodeLabelled(const CZRTProDoc& doc, const std::string& label) {
    for (int i = 0; i < doc.NodeCount(); ++i)
        if (doc.m_nodes[i].m_strLabel == label) return i;
    return -1;
}

// Four direct inputs from a paging system: 11 Door, 12 Hall, 13 Gate, 14 Yard
// (zones 1-4); 90 Spare (zone 9) and the non-pageable 95 are unassigned.
inline void BuildPagingSite(CZRTProDoc& doc, MemoryTree& tree) {
    BuildFromRecords(doc, tree,
                     {{1, "11", "Door"}, {2, "12", "Hall"}, {3, "13", "Gate"}, {4, "14", "Yard"}},
                     4, 0);
    doc.m_zones = {{"90", "Spare", 9}, {"95", "Shed", -1}};
    doc.m_idleLoop = {"11", "12", "13"};
}
