#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Prompter.h"
#include "model/ZrtConfig.h"

// The 65,536-byte memory image of a configuration, as the unit keeps it. The
// password cells and the switches byte stay erased: the write places them
// after it has taken the copy a verify compares against. Shows its messages
// (an idle entry no input has, an unknown dial plan) and completes the image
// all the same.
std::vector<uint8_t> BuildUnitImage(const ZrtConfig& config, Prompter& prompter);

// The input code a node carries in the image, taken from its signed code.
int32_t ImageInputCode(const CConfigNode& node);

// The zone id field of an unassigned Arch Number's recon record: the low 16
// bits of the zone id, except that a record must never read 0xFFFF, which
// ends the unit's list; such a record carries the marker 0x8000 instead.
uint16_t ReconZoneIdField(int32_t zoneId);

// The zone id field of a pageable input's recon record: the low 16 bits of the
// zone id, except that it must neither end the list (0xFFFF) nor mark the
// input non-pageable (0x8000); either is written as 0xFFFE, which reads back
// as the zone id -2. (An M-7700 station 0 has the zone id -1.)
uint16_t PageableZoneIdField(int32_t zoneId);

// The text an administrator Arch Number is written with: its decimal form, or,
// for an entry beyond the unit's Video Outs that the unit could not hold, the
// entry's default (501 to 504). The configuration keeps the number as it is.
std::string AdminArchText(const ZrtConfig& config, size_t entry);
