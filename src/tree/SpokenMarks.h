#pragma once

#include <string>

// What a screen reader says of a tree item: its text, then what its pictures
// show ("Input 1, 101  Gate North, conflict, assigned pageable"), so that a
// state is never told by a picture alone. Items without marks say their text.
std::string SpokenTreeItem(const std::string& text, int image, int state);
// The words of an item's pictures (kImage..., kState...), "" for none.
std::string SpokenMarks(int image, int state);
