#include "report/ReportDate.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "model/Format.h"
#include "model/Translate.h"
#include "report/ReportMessages.h"

namespace {

struct Field {
    std::string_view name;
    int (*value)(const std::tm&);
};

// Each field's value as strftime's %m %d %y %H %M %S give it.
const std::array<Field, 6> kFields = {{
    {"{month}", [](const std::tm& t) { return t.tm_mon + 1; }},
    {"{day}", [](const std::tm& t) { return t.tm_mday; }},
    {"{year}", [](const std::tm& t) { return ((t.tm_year + 1900) % 100 + 100) % 100; }},
    {"{hour}", [](const std::tm& t) { return t.tm_hour; }},
    {"{minute}", [](const std::tm& t) { return t.tm_min; }},
    {"{second}", [](const std::tm& t) { return t.tm_sec; }},
}};

const Field* FieldAt(const std::string& pattern, size_t at) {
    for (const Field& field : kFields)
        if (pattern.compare(at, field.name.size(), field.name) == 0) return &field;
    return nullptr;
}

// The pattern's fields in order into `names`; false when a pair of braces
// around a word names none of them ("{jahr}").
bool FieldNames(const std::string& pattern, std::vector<std::string_view>& names) {
    for (size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] != '{') continue;
        if (const Field* field = FieldAt(pattern, at)) {
            names.push_back(field->name);
            at += field->name.size() - 1;
            continue;
        }
        const size_t close = pattern.find('}', at);
        const bool word = close != std::string::npos && close > at + 1 &&
                          std::all_of(pattern.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                      pattern.begin() + static_cast<std::ptrdiff_t>(close),
                                      [](char c) { return c >= 'a' && c <= 'z'; });
        if (word) return false;
    }
    return true;
}

}  // namespace

std::string DateFromPattern(const std::string& pattern, const std::tm& time) {
    std::string text;
    for (size_t at = 0; at < pattern.size(); ++at) {
        if (const Field* field = pattern[at] == '{' ? FieldAt(pattern, at) : nullptr) {
            text += StrFormat("%02d", field->value(time));
            at += field->name.size() - 1;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

bool SameDateFields(const std::string& a, const std::string& b) {
    std::vector<std::string_view> inA, inB;
    if (!FieldNames(a, inA) || !FieldNames(b, inB)) return false;
    std::sort(inA.begin(), inA.end());
    std::sort(inB.begin(), inB.end());
    return inA == inB && std::adjacent_find(inA.begin(), inA.end()) == inA.end();
}

std::string ReportDateTime(const std::tm& time) {
    return DateFromPattern(Tr("Report", kReportDateTime, SameDateFields), time);
}
