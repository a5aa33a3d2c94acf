#pragma once

#include <set>
#include <string>

class CliArgs;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// A failure already reported, for a command whose status 1 means something else
// (diff: they differ); the program exits with 2 without the usage hint.
inline constexpr int kExitTrouble = 3;

// One subcommand of zrtpro-cli.
struct CliCommand {
    const char* m_name;
    const char* m_usage;  // the words after the command name
    const char* m_help;   // what it does, one or more lines
    std::set<std::string> m_valued;
    std::set<std::string> m_flags;
    int (*m_run)(const CliArgs& args);
};
