#pragma once

#include <string>
#include <vector>

#include "model/CZRTProDoc.h"

// The input list as a spreadsheet: RFC 4180, UTF-8, CRLF line ends, a header
// row, one row per input in tree order, with the columns
// port,unit,input,arch,original_arch,name,pageable. A cell a spreadsheet would
// run as a formula has an apostrophe in front.
std::string ExportInputsCsv(const CZRTProDoc& doc);

// What an import of a CSV file found.
struct CsvImportOutcome {
    // Every refused cell in file order, "line L, column C: what is wrong; what
    // is allowed". The document is unchanged when there is any.
    std::vector<std::string> m_refused;
    // What the file holds that is not applied: unknown columns, and
    // original_arch and pageable where they differ from the result.
    std::vector<std::string> m_notes;

    bool Accepted() const { return m_refused.empty(); }
};

// Gives the inputs the Arch Numbers and names of a CSV file as spreadsheets
// save it: separated by commas, semicolons or tabs; UTF-8 (with or without a
// byte order mark) or Windows-1252; rows matched by port, unit and input;
// header names in any order and letter case; `arch`, `name` or both; rows of
// nothing but separators left out. Every row is checked first; on any refusal
// the document stays as it was. The numbers move at once (MoveArchNumbers);
// a name is taken as the edit dialog takes it (the original name follows), a
// name differing only by trailing blanks stays. Numbers shared by two inputs
// become conflicts, as after any edit.
CsvImportOutcome ImportInputsCsv(CZRTProDoc& doc, const std::string& bytes);

// The same, with every refusal in `error` (RefusalText).
bool ImportInputsCsv(CZRTProDoc& doc, const std::string& bytes, std::string& error);

// The refusals as one text: the first 20 lines, then "and N more".
std::string RefusalText(const std::vector<std::string>& refused);

// Lines saying which Arch Numbers two or more inputs of `config` share:
// "2 inputs would share 107", in number order.
std::vector<std::string> SharedNumberLines(const ZrtConfig& config);
