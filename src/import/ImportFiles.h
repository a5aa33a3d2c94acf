#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The file of a Lunetta export that says which station boards are installed.
inline constexpr const char* kLunettaStationList = "TDX_FILE.DAT";

// The folder of a picked path, up to and including its last separator; empty
// (the current folder) for a bare file name.
std::string FolderOf(const std::string& path);

// The folder of a Lunetta export: a picked folder itself, or the folder of a
// picked file, with a trailing separator.
std::string LunettaFolderOf(const std::string& path);

// The path of `name` in `folder`. Exports made on systems that ignore letter
// case name their files in any case, so when no file has the exact name, the
// first entry whose name matches ignoring ASCII case is taken. Without any
// match the exact path is returned, so that opening it fails.
std::string FindIgnoringCase(const std::string& folder, const std::string& name);

// At most the first `maxBytes` bytes of a file; nothing when it cannot be opened.
std::optional<std::string> ReadFilePrefix(const std::string& path, size_t maxBytes);
