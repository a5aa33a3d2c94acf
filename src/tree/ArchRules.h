#pragma once

#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "tree/TreeSink.h"

inline constexpr size_t kArchMaxLength = 4;
inline constexpr size_t kNameLength = 15;

// True when another input carrying an Arch Number has input i's number.
bool IsInputInConflict(const CZRTProDoc& doc, int i);

struct ConflictReport {
    bool m_bRefreshed = false;  // false when the current tree item matched no node
    std::string m_strReport;    // lines separated by "\r\n"; empty when nothing to report
};

// Recomputes m_bConflicts and the report text of the assignment page, either
// for the tree's current item only or for the whole model.
ConflictReport RefreshConflictReport(CZRTProDoc& doc, const TreeSink& tree, Prompter& prompter,
                                     bool currentItemOnly);

// True when every character is a digit, "#" or "*".
bool HasLegalArchCharacters(const std::string& arch);

// The check of the edit dialog for a new Arch Number given to node `index`;
// shows every message that applies and returns true when the entry is accepted.
bool ValidateArchEntry(const CZRTProDoc& doc, const std::string& arch, int index,
                       Prompter& prompter);

// The order people read Arch Numbers in: runs of digits by their value ("9"
// before "10"), other characters by their byte; equal values by their bytes.
bool ArchNumberLess(const std::string& a, const std::string& b);

// A name as stored: padded on the right with blanks to 15 characters.
std::string PadName(const std::string& name);
