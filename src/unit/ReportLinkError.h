#pragma once

#include <cstdint>
#include <string>

#include "model/Prompter.h"

// One message box: `text`, then a line for every error bit set in `code`.
void ReportLinkError(Prompter& prompter, uint32_t code, const std::string& text);

// The text ReportLinkError shows.
std::string LinkErrorText(uint32_t code, const std::string& text);
