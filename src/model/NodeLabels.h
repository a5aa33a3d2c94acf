#pragma once

#include <string>

#include "model/NodeLabelMessages.h"

// A node's label in the person's language: the configuration keeps its labels
// in English ("Input 3", "exp 1, inp 3", "Settings", "Idle Loop", "site
// System"), as data; the tree, the pages and the report show them through this.
std::string ShownLabel(const std::string& label);
