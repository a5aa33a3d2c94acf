#pragma once

#include <string>

#include "model/NameCharacters.h"
#include "model/Prompter.h"

// What is wrong with a name an input is to carry, if anything.
enum class NameProblem { None, TooLong, ControlCharacter };

// The one rule for an input's name, whoever offers it (the edit dialog, a CSV
// file): at most 15 characters of the unit's character set (Latin-1 bytes),
// none of them a control character (below 0x20, 0x7F, or 0x80 to 0x9F).
NameProblem CheckName(const std::string& latin1);

// The edit dialog's check of a typed name: shows the message for what is
// wrong and returns false, or returns true.
bool ValidateNameEntry(const std::string& latin1, Prompter& prompter);
