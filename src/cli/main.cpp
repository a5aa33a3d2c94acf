#include <iostream>
#include <string>
#include <vector>

#include "Version.h"
#include "cli/BuildCommands.h"
#include "cli/CliArgs.h"
#include "cli/CliCommand.h"
#include "cli/CliLanguage.h"
#include "cli/CliMessages.h"
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
#include "model/Format.h"

namespace M = CliMessages;

namespace {

const std::vector<const CliCommand*> kCommands = {
    &kNewCommand,     &kImportCommand,    &kShowCommand,       &kConflictsCommand,
    &kDiffCommand,    &kExportCsvCommand, &kImportCsvCommand,  &kImageCommand,
    &kDecodeCommand,  &kWriteCommand,     &kReadCommand,       &kRestoreCommand,
    &kHistoryCommand, &kSetTimeCommand,   &kModemSetupCommand, &kReportCommand,
    &kPortsCommand};

void PrintOverview(std::ostream& out) {
    out << Tr("Cli", M::kOverview);
    for (const CliCommand* c : kCommands)
        out << "  " << M::kProgram << ' ' << c->m_name << ' ' << Tr("Cli", c->m_usage) << '\n';
    out << Tr("Cli", M::kOverviewOptions);
}

int UsageError(const CliCommand& c, const std::string& hint) {
    std::cerr << StrFormat(Tr("Cli", M::kUsageHint).c_str(), c.m_name, hint.c_str(), c.m_name,
                           Tr("Cli", c.m_usage).c_str())
              << '\n';
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // The messages in the person's language (LANGUAGE, LC_MESSAGES, LANG).
    ProgramLanguage language;
    SetCliLanguage(&language);
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
        std::cout << M::kProgram << ' ' << kZrtVersion << '\n';
        return kExitOk;
    }
    for (const CliCommand* c : kCommands) {
        if (name != c->m_name) continue;
        for (int i = 2; i < argc; ++i)
            if (std::string(argv[i]) == "--help") {
                std::cout << StrFormat(Tr("Cli", M::kCommandUsage).c_str(), c->m_name,
                                       Tr("Cli", c->m_usage).c_str())
                          << "\n\n"
                          << Tr("Cli", c->m_help) << '\n';
                return kExitOk;
            }
        std::string error;
        const auto args = CliArgs::Parse(argc, argv, 2, c->m_valued, c->m_flags, error);
        if (!args) return UsageError(*c, error);
        const int status = c->m_run(*args);
        if (status == kExitTrouble) return kExitUsage;
        return status == kExitUsage ? UsageError(*c, Tr("Cli", M::kWrongArguments)) : status;
    }
    std::cerr << StrFormat(Tr("Cli", M::kUnknownCommand).c_str(), name.c_str()) << '\n';
    return kExitUsage;
}
