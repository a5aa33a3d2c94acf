#include "model/Translate.h"

#include <cctype>
#include <cstring>
#include <utility>

namespace {

TextTranslator& Translator() {
    static TextTranslator translator;
    return translator;
}

// The directives of a printf format in order, each as its text ("%d",
// "%-15s"; "%1" of a ReplaceArg1 template too).
std::string Directives(const std::string& format) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        // Flags, width, precision, length, conversion.
        size_t end = i + 1;
        const auto skip = [&](const char* set) {
            while (end < format.size() && std::strchr(set, format[end])) ++end;
        };
        skip("-+ #0");
        skip("0123456789*");
        if (end < format.size() && format[end] == '.') {
            ++end;
            skip("0123456789*");
        }
        skip("hljztL");
        if (end < format.size() && std::isalpha(static_cast<unsigned char>(format[end]))) ++end;
        out += format.substr(i, end - i);
        out += '\n';
        i = end - 1;
    }
    return out;
}

}  // namespace

void SetTextTranslator(TextTranslator translator) { Translator() = std::move(translator); }

std::string Tr(const char* context, const char* source, SameDirectives same) {
    const TextTranslator& translator = Translator();
    if (!translator) return source;
    std::string text = translator(context, source);
    if (text.empty() || !same(text, source)) return source;
    return text;
}

std::string Tr(TextReader reader, const char* context, const char* source) {
    return reader == TextReader::Program ? std::string(source) : Tr(context, source);
}

bool SameFormatDirectives(const std::string& a, const std::string& b) {
    return Directives(a) == Directives(b);
}
