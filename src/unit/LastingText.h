#pragma once

#include <string>

// `text` kept for as long as the program runs, for the few calls that hand out
// a `const char*` to show (a problem under a dialog's fields, a status): the
// same text gives the same pointer. Called from one thread at a time.
const char* LastingText(const std::string& text);
