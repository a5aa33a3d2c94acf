#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "tree/TreeSink.h"

// Decodes a unit's memory image into `copy` the way a read into the window
// would, taking the unit to be of `model`'s model (four or eight ports)
// instead of asking. Messages of a failed decode go to `shown`, or nowhere when
// it is null. `copy` changes only on success.
bool DecodeUnitCopy(std::span<const uint8_t> image, const CZRTProDoc& model, CZRTProDoc& copy,
                    Prompter* shown);

// Decodes a unit's memory image into the document and tree as a read does
// (DecodeUnitImage), with the unit model question answered by `ports` (4 or
// 8) instead of asked; messages go to `prompter`.
bool DecodeUnitImageAs(std::span<const uint8_t> image, int ports, CZRTProDoc& doc, TreeSink& tree,
                       Prompter& prompter, std::string& unitPassword);

// True when every cell of the image is erased but the unit's own switches
// cell, which every write keeps.
bool IsErasedImage(std::span<const uint8_t> image);
