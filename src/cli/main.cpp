#include <iostream>
#include <string>
#include <vector>

#include "Version.h"
#include "cli/BuildCommands.h"
#include "cli/CliArgs.h"
#include "cli/CliCommand.h"
#include "cli/ConflictsCommand.h"
#include "cli/CsvCommands.h"
#include "cli/DiffCommand.h"
#include "cli/ImageCommands.h"
#include "cli/ModemCommand.h"
#include "cli/PortsCommand.h"
#include "cli/QtNotices.h"
#include "cli/ReportCommand.h"
#include "cli/ShowCommand.h"
#include "cli/UnitCommandsCli.h"
#include "cli/Utf8Output.h"
#include "lang/ProgramLanguage.h"

namespace {

const std::vector<const CliCommand*> kCommands = {
    &kNewCommand,     &kImportCommand,    &kShowCommand,       &kConflictsCommand,
    &kDiffCommand,    &kExportCsvCommand, &kImportCsvCommand,  &kImageCommand,
    &kDecodeCommand,  &kWriteCommand,     &kReadCommand,       &kRestoreCommand,
    &kHistoryCommand, &kSetTimeCommand,   &kModemSetupCommand, &kReportCommand,
    &kPortsCommand};

void PrintOverview(std::ostream& out) {
    out << "Usage: zrtpro-cli COMMAND [ARGS...]\n"
           "  or:  zrtpro-cli COMMAND --help\n\n"
           "Runs the operations of the NEXIL Video Switcher Programming Tool from a shell,\n"
           "with the same checks and messages as its window (messages on standard error).\n\n"
           "Commands:\n";
    for (const CliCommand* c : kCommands)
        out << "  zrtpro-cli " << c->m_name << ' ' << c->m_usage << '\n';
    out << "\nOptions:\n"
           "  --help       show this text; after a command, explain that command\n"
           "  --version    show the version\n\n"
           "Exit status: 0 success, 1 the operation failed, 2 wrong usage. Output files\n"
           "are written only on success, and then whole.\n";
}

int UsageError(const CliCommand& c, const std::string& hint) {
    std::cerr << "zrtpro-cli " << c.m_name << ": " << hint << " (usage: zrtpro-cli " << c.m_name
              << ' ' << c.m_usage << ")\n";
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // The messages in the person's language (LANGUAGE, LC_MESSAGES, LANG).
    const ProgramLanguage language;
    // Names are the unit's Latin-1; the terminal reads UTF-8.
    const Utf8Output out(std::cout);
    const Utf8Output err(std::cerr);
    QuietQtFolderNotices();
    if (argc < 2) {
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "help") {
        PrintOverview(std::cout);
        return kExitOk;
    }
    if (name == "--version") {
        std::cout << "zrtpro-cli " << kZrtVersion << '\n';
        return kExitOk;
    }
    for (const CliCommand* c : kCommands) {
        if (name != c->m_name) continue;
        for (int i = 2; i < argc; ++i)
            if (std::string(argv[i]) == "--help") {
                std::cout << "usage: zrtpro-cli " << c->m_name << ' ' << c->m_usage << "\n\n"
                          << c->m_help << '\n';
                return kExitOk;
            }
        std::string error;
        const auto args = CliArgs::Parse(argc, argv, 2, c->m_valued, c->m_flags, error);
        if (!args) return UsageError(*c, error);
        const int status = c->m_run(*args);
        if (status == kExitTrouble) return kExitUsage;
        return status == kExitUsage ? UsageError(*c, "wrong arguments") : status;
    }
    std::cerr << "zrtpro-cli: unknown command \"" << name << "\" (zrtpro-cli --help lists them)\n";
    return kExitUsage;
}
