#pragma once

#include <cstdint>
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

// The zone id field of a recon record: the low 16 bits of the zone id, except
// that a record must never read 0xFFFF, which ends the unit's list; such a
// record carries the non-pageable marker 0x8000 instead.
uint16_t ReconZoneIdField(int32_t zoneId);
