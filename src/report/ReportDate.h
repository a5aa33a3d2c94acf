#pragma once

#include <ctime>
#include <string>

// The date and time under the report's heading, written from a pattern of
// named fields: {month}, {day}, {year} (two digits each, the year's last two),
// {hour} (24-hour clock), {minute} and {second} (two digits each). Every other
// character is written as it stands, a "%" too: the pattern is never handed
// to strftime or printf, so no translation can read past an argument or name
// a conversion the C library does not know.
std::string DateFromPattern(const std::string& pattern, const std::tm& time);

// Whether `a` and `b` hold the same fields, each exactly once, in any order,
// and no field of another name ("{jahr}"). A translated pattern is used only
// when it matches the English one so: no reader's date goes without its year.
bool SameDateFields(const std::string& a, const std::string& b);

// The report's date line in the person's language: the translated pattern
// where it keeps the English one's fields (SameDateFields), else the English.
std::string ReportDateTime(const std::tm& time);
