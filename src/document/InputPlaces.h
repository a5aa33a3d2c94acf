#pragma once

#include <vector>

#include "model/ZrtConfig.h"
#include "tree/NodePlaces.h"

// Where an input sits in the tree.
using InputPlace = NodePlace;

// The inputs in tree order.
std::vector<InputPlace> InputPlaces(const ZrtConfig& config);
