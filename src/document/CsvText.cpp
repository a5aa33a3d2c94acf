#include "document/CsvText.h"

#include <algorithm>

#include "document/DocumentMessages.h"
#include "model/Format.h"

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Windows-1252 characters 0x80 to 0x9F; the five it leaves undefined stay
// the control characters of the same number.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsBlankField(const std::string& field) {
    return field.find_first_not_of(" \t") == std::string::npos;
}

bool NeedsFormulaMark(const std::string& text) {
    const size_t first = text.find_first_not_of('\'');
    return first != std::string::npos &&
           std::string("=+-@\t\r").find(text[first]) != std::string::npos;
}

// The reading position in the text and its line.
struct CsvCursor {
    const std::string& m_text;
    size_t m_nAt = 0;
    int m_nLine = 1;

    bool AtEnd() const { return m_nAt >= m_text.size(); }
    char Peek() const { return m_text[m_nAt]; }
    // Steps over one line end (CRLF, LF or a lone CR).
    void SkipLineEnd() {
        if (Peek() == '\r' && m_nAt + 1 < m_text.size() && m_text[m_nAt + 1] == '\n') ++m_nAt;
        ++m_nAt;
        ++m_nLine;
    }
};

bool ReadQuoted(CsvCursor& c, std::string& field) {
    ++c.m_nAt;
    while (!c.AtEnd()) {
        const char ch = c.Peek();
        if (ch == '"') {
            if (c.m_nAt + 1 < c.m_text.size() && c.m_text[c.m_nAt + 1] == '"') {
                field += '"';
                c.m_nAt += 2;
                continue;
            }
            ++c.m_nAt;
            return true;
        }
        if (ch == '\n' ||
            (ch == '\r' && !(c.m_nAt + 1 < c.m_text.size() && c.m_text[c.m_nAt + 1] == '\n')))
            ++c.m_nLine;
        field += ch;
        ++c.m_nAt;
    }
    return false;
}

}  // namespace

std::string SpreadsheetTextAsUtf8(const std::string& bytes) {
    if (bytes.compare(0, 3, kByteOrderMark) == 0) return bytes.substr(3);
    if (IsUtf8(bytes)) return bytes;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char ch : bytes)
        AppendUtf8(out, ch >= 0x80 && ch < 0xA0 ? kWindows1252High[ch - 0x80] : char32_t{ch});
    return out;
}

bool IsUtf8(const std::string& text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8SequenceLength(text, at);
        if (!length) return false;
        at += length;
    }
    return true;
}

char CsvSeparator(const std::string& text) {
    size_t counts[3] = {0, 0, 0};
    const char separators[3] = {',', ';', '\t'};
    bool quoted = false;
    for (char ch : text) {
        if (ch == '"') quoted = !quoted;
        if (!quoted && IsLineEnd(ch)) break;
        for (int k = 0; k < 3 && !quoted; ++k)
            if (ch == separators[k]) ++counts[k];
    }
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (counts[k] > counts[best]) best = k;
    return separators[best];
}

std::optional<std::vector<CsvRecord>> ParseCsv(const std::string& text, char separator,
                                               std::string& error) {
    CsvCursor c{text};
    std::vector<CsvRecord> records;
    while (!c.AtEnd()) {
        CsvRecord record{c.m_nLine, {}};
        for (;;) {
            std::string field;
            const int column = static_cast<int>(record.m_fields.size()) + 1;
            if (!c.AtEnd() && c.Peek() == '"') {
                if (!ReadQuoted(c, field)) {
                    error = StrFormat(Tr("Document", DocumentMessages::kCsvQuoteNotClosed).c_str(),
                                      record.m_nLine, column);
                    return std::nullopt;
                }
                if (!c.AtEnd() && c.Peek() != separator && !IsLineEnd(c.Peek())) {
                    error = StrFormat(Tr("Document", DocumentMessages::kCsvTextAfterQuote).c_str(),
                                      c.m_nLine, column);
                    return std::nullopt;
                }
            } else {
                while (!c.AtEnd() && c.Peek() != separator && !IsLineEnd(c.Peek())) {
                    if (c.Peek() == '"') {
                        error = StrFormat(Tr("Document", DocumentMessages::kCsvQuoteInside).c_str(),
                                          c.m_nLine, column);
                        return std::nullopt;
                    }
                    field += c.Peek();
                    ++c.m_nAt;
                }
            }
            record.m_fields.push_back(std::move(field));
            if (c.AtEnd()) break;
            if (c.Peek() == separator) {
                ++c.m_nAt;
                continue;
            }
            c.SkipLineEnd();
            break;
        }
        if (!std::all_of(record.m_fields.begin(), record.m_fields.end(), IsBlankField))
            records.push_back(std::move(record));
    }
    return records;
}

std::string FormulaSafeCell(const std::string& text) {
    return NeedsFormulaMark(text) ? "'" + text : text;
}

std::string FromFormulaSafeCell(const std::string& cell) {
    return cell.size() > 1 && cell[0] == '\'' && NeedsFormulaMark(cell) ? cell.substr(1) : cell;
}

std::string CsvField(const std::string& text) {
    const std::string cell = FormulaSafeCell(text);
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char ch : cell) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + '"';
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    for (unsigned char ch : latin1) AppendUtf8(out, ch);
    return out;
}

std::optional<std::string> Latin1FromUtf8(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto ch = static_cast<unsigned char>(utf8[i]);
        if (ch < 0x80) {
            out += static_cast<char>(ch);
            continue;
        }
        // Only two-byte sequences of U+0080 to U+00FF map to Latin-1.
        if ((ch != 0xC2 && ch != 0xC3) || i + 1 >= utf8.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        out += static_cast<char>(((ch & 0x03) << 6) | (next & 0x3F));
    }
    return out;
}
