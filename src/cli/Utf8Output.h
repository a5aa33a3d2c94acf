#pragma once

#include <ostream>
#include <streambuf>
#include <string>

// A stream buffer in front of another that hands on whole lines as UTF-8:
// the one place where the unit's Latin-1 names become text for the terminal
// (TextAsUtf8: a line already in UTF-8, a file name or JSON, passes as it is).
class Utf8LineBuffer : public std::streambuf {
public:
    explicit Utf8LineBuffer(std::streambuf* target) : m_pTarget(target) {}
    ~Utf8LineBuffer() override;

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    void Hand(bool flush);

    std::streambuf* m_pTarget;
    std::string m_strLine;
};

// Puts a Utf8LineBuffer in front of `stream` for the life of this object.
class Utf8Output {
public:
    explicit Utf8Output(std::ostream& stream);
    ~Utf8Output();
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

private:
    std::ostream& m_stream;
    std::streambuf* m_pOriginal;
    Utf8LineBuffer m_buffer;
};
