#pragma once

#include <QString>
#include <string>

// The core's text on the screen or on paper, decoded by the core's one rule
// (TextAsUtf8): translated texts and file paths are UTF-8, names and Arch
// Numbers the unit's Latin-1, and a line may hold both.
QString ShownText(const std::string& text);
