#pragma once

#include <functional>
#include <string>

// The program's texts in the person's language. The core's texts stay English
// in its *Messages.h headers, each marked there for translation:
//   inline constexpr const char* kReportSystem = ZRT_TRANSLATE_NOOP("Report", "System:");
// lupdate reads the mark as QT_TRANSLATE_NOOP (translations/CMakeLists.txt),
// and the code that shows or formats the text translates it first:
//   StrFormat(Tr("Report", kReportFooter).c_str(), page)
// A text people do not read as words (a font's name, a date format's bytes
// for a file) is marked ZRT_UNTRANSLATED so that scripts/check-texts knows it
// was left English on purpose.
#define ZRT_TRANSLATE_NOOP(context, text) text
#define ZRT_UNTRANSLATED(text) text

// Gives the text of `source` in the person's language as UTF-8, or an empty
// string when it has none.
using TextTranslator = std::function<std::string(const char* context, const char* source)>;

// Set once at start, before any other thread runs, by the window and the
// command-line tool (lang/ProgramLanguage); nothing set or an empty function
// leaves every text English.
void SetTextTranslator(TextTranslator translator);

// Whether `a` and `b` hold the same printf directives in the same order
// ("%%" counts as none).
bool SameFormatDirectives(const std::string& a, const std::string& b);

// Whether a translation `a` may stand for its source `b`.
using SameDirectives = bool (*)(const std::string& a, const std::string& b);

// `source` in the person's language (UTF-8), else `source` itself. A
// translation whose printf directives differ from the source's (a "%s" where
// the source has "%d", one too many) is not used: formatted with the source's
// arguments it would read past them. A text that is not a printf format names
// the check its own fields need instead (the report's date pattern:
// Tr("Report", kReportDateTime, SameDateFields)).
std::string Tr(const char* context, const char* source, SameDirectives same = SameFormatDirectives);

// Who reads a text: a person (their language) or a program (English, as the
// CLI's --json gives it whatever the language).
enum class TextReader { Person, Program };

// `source` for `reader`: Tr(context, source) for a person, `source` itself for
// a program.
std::string Tr(TextReader reader, const char* context, const char* source);
