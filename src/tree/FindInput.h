#pragma once

#include <string>
#include <vector>

#include "model/CZRTProDoc.h"

// Where the chosen match lies from the given node, in tree order, wrapping around.
enum class FindFrom {
    AtOrAfter,  // the node itself when it matches, else the next match
    After,      // the first match after the node
    Before,     // the last match before the node
};

// The inputs that match a find text, in tree order, and the one chosen.
struct InputMatches {
    std::vector<int> m_nodes;  // node indices
    int m_nChosen = -1;        // position in m_nodes of the chosen match; -1 when none

    int ChosenNode() const { return m_nChosen < 0 ? -1 : m_nodes[static_cast<size_t>(m_nChosen)]; }
};

// The inputs and camera interface unit inputs of the tree that hold `text`
// in their current Arch Number, their original Arch Number or their name,
// letter case and surrounding blanks ignored; a blank text matches nothing.
// The chosen one lies `from` node index `node` (-1: before the first node).
InputMatches FindInputs(const CZRTProDoc& doc, const std::string& text, int node, FindFrom from);

// What the find bar says: "3 of 7", "No match", or nothing for an empty text.
std::string FindSummary(const InputMatches& matches, const std::string& text);
