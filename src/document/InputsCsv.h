#pragma once

#include <string>

#include "model/CZRTProDoc.h"

// The input list as a spreadsheet: RFC 4180, UTF-8, CRLF line ends, a header
// row, one row per input in tree order, with the columns
// port,unit,input,arch,original_arch,name,pageable.
std::string ExportInputsCsv(const CZRTProDoc& doc);

// Gives the inputs the Arch Numbers and names of a CSV file made like the
// export: rows matched by port, unit and input; columns in any order; `arch`,
// `name` or both. Every row is checked first; on any error `error` names the
// line and column, and the document stays as it was. An Arch Number or name
// is taken as the edit dialog takes it (the original follows, and the idle
// loop follows a new number). A name differing only by trailing blanks stays.
// Input numbers shared by two inputs become conflicts, as after any edit.
bool ImportInputsCsv(CZRTProDoc& doc, const std::string& text, std::string& error);
