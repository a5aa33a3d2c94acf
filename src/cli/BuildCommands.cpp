#include "cli/BuildCommands.h"

#include <iostream>
#include <map>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/CliMessages.h"
#include "import/ImportFiles.h"
#include "import/ImportMessages.h"
#include "import/SetupWizardBuild.h"
#include "import/ValidatePage.h"
#include "model/Format.h"
#include "model/ZrtFile.h"
#include "tree/ArchRules.h"

namespace {

// The wizard page, answered from the command line.
class AnsweredWizard : public WizardDialog {
public:
    explicit AnsweredWizard(const WizardAnswers& answers) : m_answers(answers) {}
    bool Run(WizardAnswers& answers) override {
        answers = m_answers;
        return true;
    }

private:
    WizardAnswers m_answers;
};

// The wizard's hardware fields from --ports and --ciu; false when --ports is neither 4 nor 8.
bool TakeHardware(const CliArgs& args, WizardEntries& e) {
    const std::string ports = args.Get("ports");
    if (ports != "4" && ports != "8") return false;
    e.m_bFourPort = ports == "4";
    e.m_bEightPort = ports == "8";
    e.m_strCiuCount = args.Get("ciu");
    return true;
}

// Runs the wizard's checks; on a refusal prints its message.
bool CheckPage(const WizardEntries& entries, WizardAnswers& answers) {
    const WizardCheck check = ValidatePage(entries, answers);
    if (check.m_nResult != 0) std::cerr << check.m_strMessage << '\n';
    return check.m_nResult == 0;
}

// Writes the configuration built; conflicting Arch Numbers are reported but
// do not stop the file, which the window then opens to resolve them.
int SaveBuilt(CliDocument& cli, const std::string& path) {
    const ConflictReport report =
        RefreshConflictReport(cli.m_doc, cli.m_tree, cli.m_prompter, false);
    if (cli.m_doc.m_bConflicts)
        std::cerr << Tr("Cli", CliMessages::kArchConflictsExist) << report.m_strReport;
    return SaveZrtFile(cli.m_doc, path, cli.m_prompter) ? kExitOk : kExitFailed;
}

int RunNew(const CliArgs& args) {
    static const std::map<std::string, int> kSystems = {
        {"quillon", kPagingQuillon}, {"lunetta", kPagingLunetta}, {"m7700", kPagingM7700}};
    const auto system = kSystems.find(args.Get("system"));
    WizardEntries entries;
    if (!args.Positionals().empty() || system == kSystems.end() || !args.Has("o") ||
        !TakeHardware(args, entries))
        return kExitUsage;
    entries.m_bSpecifyFilename = false;
    entries.m_bSpecifyConfiguration = true;
    entries.m_bQuillon = system->second == kPagingQuillon;
    entries.m_bLunetta = system->second == kPagingLunetta;
    entries.m_bM7700 = system->second == kPagingM7700;
    entries.m_strDialDigits = args.Get("digits");
    entries.m_strExpansionCount = args.Get("expansion");
    WizardAnswers answers;
    if (!CheckPage(entries, answers)) return kExitFailed;

    CliDocument cli;
    DocumentContext ctx{cli.m_doc, cli.m_tree, cli.m_prompter};
    AnsweredWizard wizard(answers);
    if (RunSetupWizard(ctx, wizard) != 0) return kExitFailed;
    return SaveBuilt(cli, args.Get("o"));
}

int RunImport(const CliArgs& args) {
    static const std::map<std::string, PagingFileKind> kKinds = {
        {"lunetta", PagingFileKind::Lunetta},
        {"quillon", PagingFileKind::Quillon},
        {"m7700", PagingFileKind::Database}};
    WizardEntries entries;
    if (args.Positionals().size() != 2 || !args.Has("o") || !TakeHardware(args, entries))
        return kExitUsage;
    const auto kind = kKinds.find(args.Positionals()[0]);
    if (kind == kKinds.end()) return kExitUsage;
    entries.m_strPagingFile = args.Positionals()[1];
    WizardAnswers answers;
    if (!CheckPage(entries, answers)) return kExitFailed;

    CliDocument cli;
    DocumentContext ctx{cli.m_doc, cli.m_tree, cli.m_prompter};
    // The wizard's build leaves a folder without its station list to its
    // caller's message; here the user hears what is missing.
    if (kind->second == PagingFileKind::Lunetta) {
        const std::string folder = LunettaFolderOf(entries.m_strPagingFile);
        if (!ReadFilePrefix(FindIgnoringCase(folder, kLunettaStationList), 1)) {
            ctx.m_prompter.Message(
                StrFormat(Tr("Import", ImportMessages::kUnableToOpenFile).c_str(),
                          (folder + kLunettaStationList).c_str()));
            return kExitFailed;
        }
    }
    if (BuildFromPagingFile(ctx, answers, kind->second) != 0) return kExitFailed;
    return SaveBuilt(cli, args.Get("o"));
}

}  // namespace

const CliCommand kNewCommand{
    "new",
    //: The arguments of `zrtpro-cli new`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli",
                       "--system quillon|lunetta|m7700 --digits 2|3 --expansion E --ports 4|8 "
                       "--ciu U -o FILE.zrt"),
    //: `zrtpro-cli new --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Builds a configuration from the paging system's dialing plan, as the setup\n"
        "wizard's \"Specify Configuration\" does: E expansion units of the paging system\n"
        "(Quillon port cards, Lunetta station cards, M-7700 units), --digits in its dial\n"
        "plan (ignored for Lunetta), and a master unit of 4 or 8 ports carrying U camera\n"
        "interface units. The wizard's checks and messages apply."),
    {"system", "digits", "expansion", "ports", "ciu", "o"},
    {},
    RunNew};

const CliCommand kImportCommand{
    "import",
    //: The arguments of `zrtpro-cli import`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "lunetta|quillon|m7700 PATH --ports 4|8 --ciu U -o FILE.zrt"),
    //: `zrtpro-cli import --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Builds a configuration from a paging system's export, as the setup wizard's\n"
        "\"Specify Filename\" does: a Lunetta folder (PATH is the folder or any file in it),\n"
        "a Quillon .qpx file or an M-7700 .mdb database, laid onto a master unit of 4 or 8\n"
        "ports carrying U camera interface units."),
    {"ports", "ciu", "o"},
    {},
    RunImport};
