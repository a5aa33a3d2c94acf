#include "cli/Utf8Output.h"

#include "document/CsvText.h"

Utf8LineBuffer::~Utf8LineBuffer() { Hand(true); }

Utf8LineBuffer::int_type Utf8LineBuffer::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    m_strLine += traits_type::to_char_type(ch);
    if (m_strLine.back() == '\n') Hand(false);
    return ch;
}

int Utf8LineBuffer::sync() {
    Hand(true);
    return 0;
}

void Utf8LineBuffer::Hand(bool flush) {
    if (!m_strLine.empty()) {
        const std::string text = TextAsUtf8(m_strLine);
        m_pTarget->sputn(text.data(), static_cast<std::streamsize>(text.size()));
        m_strLine.clear();
    }
    if (flush) m_pTarget->pubsync();
}

Utf8Output::Utf8Output(std::ostream& stream)
    : m_stream(stream), m_pOriginal(stream.rdbuf()), m_buffer(m_pOriginal) {
    m_stream.rdbuf(&m_buffer);
}

Utf8Output::~Utf8Output() {
    m_stream.flush();
    m_stream.rdbuf(m_pOriginal);
}
