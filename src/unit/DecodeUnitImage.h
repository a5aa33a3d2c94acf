#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "tree/TreeSink.h"

// Turns a unit's memory image into the document's configuration and tree.
// Asks for the main unit model (again until it is answered), decodes into a
// fresh configuration and only a complete one replaces the document's; every
// failure is shown through `prompter` and leaves the document as it was. On
// success the document is an "untitled" configuration read from the unit,
// not modified, and `unitPassword` holds the password the image shows.
// An input's Arch Number is the text of its recon record (the Arch table
// holds only its value, so "0045" would read "45"); names read pass the name
// rule, control characters made blanks; paging-system code 0 reads as no
// paging system. Nothing of the configuration open before is kept.
// Never reads past the image: the recon list ends at the end of its region,
// the idle list at the settings block, the password after 9 cells.
bool DecodeUnitImage(std::span<const uint8_t> image, CZRTProDoc& doc, TreeSink& tree,
                     Prompter& prompter, std::string& unitPassword);
