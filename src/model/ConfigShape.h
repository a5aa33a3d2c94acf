#pragma once

#include "model/ZrtConfig.h"

// True when the node list has the shape every build gives it: 4 or 8 ports,
// no more camera interface units than ports, 3 + ports + 24 x units nodes, and
// every port and input node at its place with the input code of its position.
// The tree, the pages and the unit image rely on that shape.
bool HasConsistentShape(const ZrtConfig& config);
