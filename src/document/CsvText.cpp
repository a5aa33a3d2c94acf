#include "document/CsvText.h"

#include "model/Format.h"

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

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

std::optional<std::vector<CsvRecord>> ParseCsv(const std::string& text, std::string& error) {
    CsvCursor c{text};
    if (text.compare(0, 3, kByteOrderMark) == 0) c.m_nAt = 3;
    std::vector<CsvRecord> records;
    while (!c.AtEnd()) {
        CsvRecord record{c.m_nLine, {}};
        for (;;) {
            std::string field;
            const int column = static_cast<int>(record.m_fields.size()) + 1;
            if (!c.AtEnd() && c.Peek() == '"') {
                if (!ReadQuoted(c, field)) {
                    error = StrFormat("line %d, column %d: a quoted field is not closed",
                                      record.m_nLine, column);
                    return std::nullopt;
                }
                if (!c.AtEnd() && c.Peek() != ',' && !IsLineEnd(c.Peek())) {
                    error = StrFormat("line %d, column %d: text after a closing quote", c.m_nLine,
                                      column);
                    return std::nullopt;
                }
            } else {
                while (!c.AtEnd() && c.Peek() != ',' && !IsLineEnd(c.Peek())) {
                    if (c.Peek() == '"') {
                        error = StrFormat("line %d, column %d: a quote inside an unquoted field",
                                          c.m_nLine, column);
                        return std::nullopt;
                    }
                    field += c.Peek();
                    ++c.m_nAt;
                }
            }
            record.m_fields.push_back(std::move(field));
            if (c.AtEnd()) break;
            if (c.Peek() == ',') {
                ++c.m_nAt;
                continue;
            }
            c.SkipLineEnd();
            break;
        }
        const bool blank = record.m_fields.size() == 1 && record.m_fields[0].empty();
        if (!blank) records.push_back(std::move(record));
    }
    return records;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + '"';
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    for (unsigned char ch : latin1) {
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
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
