#pragma once

#include <string>
#include <vector>

#include "model/ZrtConfig.h"

// Where a node after the fixed ones sits in the tree: its port, its camera
// interface unit ("exp N", 0 for an input wired to the port) and its input on
// that unit (0 for the port's own node).
struct NodePlace {
    int m_nIndex;
    int m_nPort;
    int m_nUnit;
    int m_nInput;

    // The node of a port that carries a camera interface unit, not an input.
    bool IsUnitPort() const { return m_nUnit != 0 && m_nInput == 0; }
    // The label the tree gives the node: "Input 2" or "exp 1, inp 3".
    std::string Label() const;
};

// Every port and unit-input node in list order, walked as the tree lays out a
// node list, so a configuration needs no tree of its own to be placed.
std::vector<NodePlace> NodePlaces(const ZrtConfig& config);
