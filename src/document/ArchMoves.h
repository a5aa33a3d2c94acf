#pragma once

#include <string>
#include <vector>

#include "model/ZrtConfig.h"

// An input (its node index) to be given another Arch Number.
struct ArchMove {
    int m_nIndex;
    std::string m_strArch;
};

// Gives every input of `moves` its new number at once, as clicks in the Arch
// Number list would, but without any input's number being taken twice: a
// number another input held brings that input's zone id and name, a number
// from the unassigned list brings the entry's (and leaves the list), a number
// nobody held keeps the input's own; pageability follows the zone id. An old
// number no input holds afterwards goes to the unassigned list with the
// input's old name and zone id (-1 for a non-pageable input). The idle loop
// follows its cameras: an entry of an old number becomes the input's new
// number, unless an input keeps that old number. The original values stay.
void MoveArchNumbers(ZrtConfig& config, const std::vector<ArchMove>& moves);
