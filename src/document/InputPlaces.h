#pragma once

#include <string>
#include <vector>

#include "model/ZrtConfig.h"

// Where an input sits in the tree: its node, its port, its unit ("exp N", 0
// for an input wired to the port) and its input on that unit (0 for a port's own).
struct InputPlace {
    int m_nIndex;
    int m_nPort;
    int m_nUnit;
    int m_nInput;

    // The label the tree gives the input: "Input 2" or "exp 1, inp 3".
    std::string Label() const;
};

// The inputs in tree order, walked as the tree lays out a node list, so a
// configuration needs no tree of its own to be placed.
std::vector<InputPlace> InputPlaces(const ZrtConfig& config);
