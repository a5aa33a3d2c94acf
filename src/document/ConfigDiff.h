#pragma once

#include <string>
#include <vector>

#include "model/ZrtConfig.h"

// One difference between two configurations: what differs and its value in
// each (Latin-1 bytes, empty where the configuration has no such item).
struct DiffItem {
    std::string m_strItem;
    std::string m_strThis;
    std::string m_strOther;

    bool operator==(const DiffItem&) const = default;
};

// The differences between `self` and `other`: the system, the settings, the
// idle loop, every input (matched by its label, "Input 2" or "exp 1, inp 3")
// and the unassigned numbers (in number order: "9" before "10"). Equal configurations give an empty
// list; names are compared without their trailing blanks, which the unit pads names with.
std::vector<DiffItem> CompareConfigurations(const ZrtConfig& self, const ZrtConfig& other);

// `item` as a person reads it, in their language: its item's words, the
// input named as the tree names it, and the values that are words ("yes",
// "present", "unassigned, non-pageable"); names and numbers as they stand.
DiffItem ShownDiffItem(const DiffItem& item);

// The node of `config` whose page shows what a difference's item names: the
// overview (0) for the system, the settings (1), the idle loop (2) or the
// input of that label; -1 for an unassigned number, an input `config` does
// not have, or an item it does not know.
int DiffItemNode(const ZrtConfig& config, const std::string& item);
