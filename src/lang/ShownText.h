#pragma once

#include <QString>
#include <string>

// The one place where the core's 8-bit text becomes text on the screen or on
// paper. A core text may mix two kinds of bytes: translated texts and file
// paths in UTF-8, names and Arch Numbers in the unit's Latin-1. Every
// well-formed UTF-8 sequence is taken as UTF-8, every other byte as Latin-1,
// so English text with Latin-1 names shows as it always did.
QString ShownText(const std::string& text);
