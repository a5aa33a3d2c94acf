#pragma once

#include <optional>
#include <string>
#include <vector>

// One record of a CSV file and the line it starts on (1 for the first).
struct CsvRecord {
    int m_nLine = 0;
    std::vector<std::string> m_fields;
};

// Splits RFC 4180 text into records: fields separated by commas, quoted
// fields with commas, line ends and doubled quotes; CRLF or LF line ends; a
// leading byte order mark skipped; blank lines left out. Nothing, with `error`
// naming the line and column, on malformed text.
std::optional<std::vector<CsvRecord>> ParseCsv(const std::string& text, std::string& error);

// A field as written: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

// Latin-1 bytes as UTF-8 text.
std::string Latin1ToUtf8(const std::string& latin1);

// UTF-8 text as Latin-1 bytes; nothing when the text is not UTF-8 or holds a
// character above U+00FF.
std::optional<std::string> Latin1FromUtf8(const std::string& utf8);
