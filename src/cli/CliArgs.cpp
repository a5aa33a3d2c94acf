#include "cli/CliArgs.h"

#include "cli/CliMessages.h"
#include "model/Format.h"

std::optional<CliArgs> CliArgs::Parse(int argc, char** argv, int first,
                                      const std::set<std::string>& valued,
                                      const std::set<std::string>& flags, std::string& error) {
    CliArgs args;
    for (int i = first; i < argc; ++i) {
        const std::string word = argv[i];
        const bool longOption = word.size() >= 3 && word.compare(0, 2, "--") == 0;
        const bool shortOption = word.size() == 2 && word[0] == '-' && word[1] != '-';
        if (!longOption && !shortOption) {
            args.m_positionals.push_back(word);
            continue;
        }
        const std::string name = word.substr(longOption ? 2 : 1);
        if (flags.count(name)) {
            args.m_options[name] = "1";
        } else if (valued.count(name)) {
            if (i + 1 >= argc) {
                error = StrFormat(Tr("Cli", CliMessages::kOptionNeedsValue).c_str(), word.c_str());
                return std::nullopt;
            }
            args.m_options[name] = argv[++i];
        } else {
            error = StrFormat(Tr("Cli", CliMessages::kUnknownOption).c_str(), word.c_str());
            return std::nullopt;
        }
    }
    return args;
}

std::string CliArgs::Get(const std::string& name, const std::string& fallback) const {
    const auto it = m_options.find(name);
    return it == m_options.end() ? fallback : it->second;
}

std::optional<int> ParseInt(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}
