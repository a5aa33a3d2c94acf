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
