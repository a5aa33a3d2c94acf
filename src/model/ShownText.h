#pragma once

#include <cstddef>
#include <string>

// Text as people read it. The program's texts mix two kinds of bytes: names
// and Arch Numbers in the unit's Latin-1, and file paths as the system gives
// them (UTF-8). A message or a report line may hold both.

// The length of the well-formed UTF-8 sequence at `at` (1 to 4), or 0 when
// the bytes there are none.
size_t Utf8SequenceLength(const std::string& text, size_t at);

// `text` as UTF-8: every well-formed UTF-8 sequence as it is, every other byte
// taken as Latin-1. Valid UTF-8 (a path, JSON) passes unchanged and a Latin-1
// name ("Z\xFCrich") becomes its letters; a line holding both shows both.
std::string TextAsUtf8(const std::string& text);
