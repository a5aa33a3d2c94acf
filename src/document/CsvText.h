#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ShownText.h"

// One record of a CSV file and the line it starts on (1 for the first).
struct CsvRecord {
    int m_nLine = 0;
    std::vector<std::string> m_fields;
};

// The bytes of a file as a spreadsheet saves it, as UTF-8 text: after a
// UTF-8 byte order mark (dropped) or when valid UTF-8, as they are; otherwise
// read as Windows-1252, what spreadsheets on Windows write as "CSV".
std::string SpreadsheetTextAsUtf8(const std::string& bytes);

// Whether `text` is well-formed UTF-8.
bool IsUtf8(const std::string& text);

// The separator of a CSV file, found from its first line: comma, semicolon or
// tab, whichever it holds most of outside quotes (a comma when none).
char CsvSeparator(const std::string& text);

// Splits RFC 4180 text into records: fields separated by `separator`, quoted
// fields with separators, line ends and doubled quotes; CRLF or LF line ends.
// Rows of nothing but separators and blanks are left out. Nothing, with
// `error` naming the line and column, on malformed text.
std::optional<std::vector<CsvRecord>> ParseCsv(const std::string& text, char separator,
                                               std::string& error);

// A cell a spreadsheet would take for a formula (beginning with "=", "+",
// "-", "@", a tab or a carriage return, after any apostrophes) with an
// apostrophe in front, the mark spreadsheets show as text.
std::string FormulaSafeCell(const std::string& text);
// A cell as read back: exactly the apostrophe FormulaSafeCell put in front removed.
std::string FromFormulaSafeCell(const std::string& cell);

// A field as written between commas: formula-safe, and quoted when it holds
// a comma, a quote or a line end.
std::string CsvField(const std::string& text);

// Latin-1 bytes as UTF-8 text.
std::string Latin1ToUtf8(const std::string& latin1);

// UTF-8 text as Latin-1 bytes; nothing when the text is not UTF-8 or holds a
// character above U+00FF.
std::optional<std::string> Latin1FromUtf8(const std::string& utf8);
