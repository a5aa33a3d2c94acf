#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads a whole file of at most `maxBytes`; nothing when it cannot be read or is larger.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes);

// Writes a file atomically: a temporary file beside it is written, flushed to
// disk and renamed over the target, so a failure leaves the old file whole.
// On failure `reason`, when given, receives the system's description of the error.
// A new file is readable by all; a `privateFile` only by its owner (0600).
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* reason = nullptr, bool privateFile = false);
