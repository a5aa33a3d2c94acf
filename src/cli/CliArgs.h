#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The words after a command name: positional arguments, "--name value"
// options (or "-n value" for a one-letter name) and "--flag" switches. Anything the command does
// not know is a usage error.
class CliArgs {
public:
    // Parses argv[first..argc); `valued` and `flags` name the options without "--".
    // Returns nothing and sets `error` to a one-line hint on a usage error.
    static std::optional<CliArgs> Parse(int argc, char** argv, int first,
                                        const std::set<std::string>& valued,
                                        const std::set<std::string>& flags, std::string& error);

    const std::vector<std::string>& Positionals() const { return m_positionals; }
    bool Has(const std::string& name) const { return m_options.count(name) > 0; }
    std::string Get(const std::string& name, const std::string& fallback = {}) const;

private:
    std::vector<std::string> m_positionals;
    std::map<std::string, std::string> m_options;
};

// A whole decimal number within [low, high], or nothing.
std::optional<int> ParseInt(const std::string& text, int low, int high);
