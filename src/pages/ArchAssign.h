#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "pages/ArchList.h"
#include "tree/TreeSink.h"

// Gives node `n` a new Arch Number, name and zone id. A number no other node
// keeps returns to the zone pool; the new number leaves it; pageability
// follows the zone id. The original values and the idle loop stay.
void AssignArch(CZRTProDoc& doc, TreeSink& tree, int n, const std::string& arch,
                const std::string& name, int32_t zoneId);

enum class ApplyOutcome { NoSelection, NodeNotFound, Unchanged, Assigned };

// A click in the Arch Number list: gives the input of tree item `item` the
// clicked row's number. `row` is null when no row is selected.
ApplyOutcome ApplyArchSelection(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter, TreeItem item,
                                const ArchRow* row);

// "Reset to Original" for the tree's current input; true when it was found.
bool ResetCurrentArch(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter);

// Whether "Reset to Original" is enabled while the current number reads `text`.
bool IsResetEnabled(const CZRTProDoc& doc, const TreeSink& tree, Prompter& prompter,
                    const std::string& text);

// "Reset All Arch Numbers to Original": every input whose number differs from
// its original. Returns the nodes reset.
int ResetAllArchNumbers(CZRTProDoc& doc, TreeSink& tree);

// What the edit dialog starts with for the tree's current input.
struct ArchEdit {
    int m_nIndex = -1;
    std::string m_strArch;
    std::string m_strName;         // trailing white space removed
    bool m_bArchEditable = false;  // only a non-pageable input's number can be typed
};

std::optional<ArchEdit> BeginArchEdit(const CZRTProDoc& doc, const TreeSink& tree,
                                      Prompter& prompter);

// Stores an accepted edit: number and padded name become the current and the
// original values; idle loop entries of the old number follow the new one.
void ApplyArchEdit(CZRTProDoc& doc, TreeSink& tree, int index, const std::string& arch,
                   const std::string& name);

enum class ArchEditResult { Refused, Unchanged, Applied };

// OK in the edit dialog begun as `edit`, with the number and name it holds.
// A number that cannot be edited is kept as stored and not checked again; a
// typed one is checked (Refused: the messages are shown and the dialog opens
// again). An edit that leaves the number and the name as offered changes
// nothing; otherwise it is stored as ApplyArchEdit stores it.
ArchEditResult FinishArchEdit(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter,
                              const ArchEdit& edit, const std::string& arch,
                              const std::string& name);
