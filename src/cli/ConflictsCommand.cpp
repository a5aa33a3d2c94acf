#include "cli/ConflictsCommand.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/CliMessages.h"
#include "tree/ArchRules.h"

namespace {

int RunConflicts(const CliArgs& args) {
    if (args.Positionals().size() != 1) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    const ConflictReport report =
        RefreshConflictReport(cli.m_doc, cli.m_tree, cli.m_prompter, false);
    std::cout << report.m_strReport;
    if (!cli.m_doc.m_bConflicts) std::cout << Tr("Cli", CliMessages::kNoArchConflicts) << '\n';
    return cli.m_doc.m_bConflicts ? kExitFailed : kExitOk;
}

}  // namespace

const CliCommand kConflictsCommand{
    "conflicts",
    //: The arguments of `zrtpro-cli conflicts`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "FILE.zrt"),
    //: `zrtpro-cli conflicts --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP("Cli",
                       "Prints the conflict report of the whole configuration; exits with 1 when\n"
                       "two inputs share an Arch Number."),
    {},
    {},
    RunConflicts};
