#pragma once

#include <string>
#include <vector>

#include "model/CImportRecord.h"
#include "model/CZRTProDoc.h"
#include "model/NodeLabels.h"
#include "model/Prompter.h"
#include "tree/TreeSink.h"

// Builds the node list of a new configuration (or takes the loaded one when
// `rebuild` is set) and draws the tree.
//   records:     imported zones laid onto the inputs in node order, or null
//   count:       zones available for the inputs; -1 with rebuild
//   firstNumber: without records, input k gets firstNumber + k; -1 otherwise
// Inputs left over get generated non-pageable Arch Numbers. Always returns 0.
int BuildTree(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter,
              const std::vector<CImportRecord>* records, bool rebuild, int count, int firstNumber,
              int ciuCount, int portCount);

// Recomputes the images and conflict marks of every item.
void RefreshTreeMarks(const CZRTProDoc& doc, TreeSink& tree);

// Rewrites every input's item text and every mark, after numbers or names
// changed anywhere in the configuration.
void RefreshInputItems(const CZRTProDoc& doc, TreeSink& tree);

// Rewrites the text of node `index`'s item from the node.
void SetNodeItemText(const CZRTProDoc& doc, TreeSink& tree, int index);

// "Input 3, 23  Gym" for an input; the label alone for any other node.
std::string NodeItemText(const CZRTProDoc& doc, int index);

// The text of an input's item: label, ", ", Arch Number, two blanks, name.
std::string InputItemText(const CConfigNode& node);
