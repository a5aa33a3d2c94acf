#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/ConfigDiff.h"
#include "document/DocumentOps.h"
#include "model/CZRTProDoc.h"

// The input list of `doc` written to `path` as CSV. The file changes only once
// all of it has been written; false with `error` saying why not.
bool ExportInputsCsvFile(const CZRTProDoc& doc, const std::string& path, std::string& error);

// A CSV import for the user to see before anything changes.
struct CsvPreview {
    CZRTProDoc m_doc;                   // the document with the file imported
    std::vector<std::string> m_shared;  // "2 inputs would share 107"
    std::vector<std::string> m_notes;   // what the file holds that is not applied
};

// A copy of `doc` with the CSV file at `path` imported. Nothing, with `error`
// naming the file and every refused cell (RefusalText), when the file cannot
// be read, is too large or is refused.
std::optional<CsvPreview> ImportInputsCsvFile(const CZRTProDoc& doc, const std::string& path,
                                              std::string& error);

// For each row of `changes` (the comparison of a document with `imported`),
// whether it gives an input an Arch Number another input of `imported` holds.
std::vector<bool> SharedNumberRows(const std::vector<DiffItem>& changes, const ZrtConfig& imported);

// Puts `imported` (the document with a CSV file imported) in the document's
// place as one undoable step: the tree texts, the conflict flag and the
// conflict marks follow the numbers; the document is marked modified.
void ApplyImportedInputs(DocumentContext& ctx, const CZRTProDoc& imported);
