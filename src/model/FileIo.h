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
// With `ownerOnly` the file is readable and writable by its owner alone (0600);
// otherwise it keeps the old file's mode, or gets 0644.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* reason = nullptr, bool ownerOnly = false);

// The full path of a file named relative to the working folder, with "." and
// ".." steps taken out; a full path loses only those steps. The bytes of the
// names are kept as the system gave them. An empty path stays empty.
std::string FullPath(const std::string& path);

// Flushes a folder's entries to disk, so files renamed into it are there after
// a power cut. On failure `reason`, when given, receives the system's description.
bool SyncFolder(const std::string& folder, std::string* reason = nullptr);
