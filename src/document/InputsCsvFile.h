#pragma once

#include <optional>
#include <string>

#include "document/DocumentOps.h"
#include "model/CZRTProDoc.h"

// The input list of `doc` written to `path` as CSV. The file changes only once
// all of it has been written; false with `error` saying why not.
bool ExportInputsCsvFile(const CZRTProDoc& doc, const std::string& path, std::string& error);

// A copy of `doc` with the CSV file at `path` imported, for the user to see
// before anything changes. Nothing, with `error` naming the file (and the line
// and column), when the file cannot be read, is too large or is refused.
std::optional<CZRTProDoc> ImportInputsCsvFile(const CZRTProDoc& doc, const std::string& path,
                                              std::string& error);

// Puts `imported` (the document with a CSV file imported) in the document's
// place as one undoable step: the tree texts, the conflict flag and the
// conflict marks follow the numbers; the document is marked modified.
void ApplyImportedInputs(DocumentContext& ctx, const CZRTProDoc& imported);
