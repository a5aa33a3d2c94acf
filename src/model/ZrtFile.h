#pragma once

#include <cstddef>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"

// Far above any configuration this program writes, low enough to refuse a
// wrong file before it fills the memory.
inline constexpr size_t kMaxZrtFileBytes = 64u * 1024u * 1024u;

// Reads the configuration file at `path` into the document. The whole file is
// read into a fresh configuration first; only a complete, consistent one
// replaces the document's, and every failure is shown through `prompter`.
// A wrong version sets m_bLoadFailed. On success the modified flag is cleared.
bool LoadZrtFile(CZRTProDoc& doc, const std::string& path, Prompter& prompter);

// Writes the document's configuration atomically; on success the modified flag
// is cleared. A failure shows "Failed to save document." with the
// system's reason and leaves any old file whole.
bool SaveZrtFile(CZRTProDoc& doc, const std::string& path, Prompter& prompter);
