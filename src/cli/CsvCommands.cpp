#include "cli/CsvCommands.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "document/InputsCsvFile.h"
#include "model/ModelMessages.h"
#include "model/ZrtFile.h"

namespace {

int RunExportCsv(const CliArgs& args) {
    if (args.Positionals().size() != 1 || !args.Has("o")) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    std::string error;
    if (!ExportInputsCsvFile(cli.m_doc, args.Get("o"), error)) {
        std::cerr << error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int RunImportCsv(const CliArgs& args) {
    if (args.Positionals().size() != 2 || !args.Has("o")) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    std::string error;
    auto imported = ImportInputsCsvFile(cli.m_doc, args.Positionals()[1], error);
    if (!imported) {
        std::cerr << error << '\n';
        return kExitFailed;
    }
    if (!imported->CheckArchConflicts()) {
        std::cerr << ModelMessages::kConflictsCannotSave << '\n';
        return kExitFailed;
    }
    return SaveZrtFile(*imported, args.Get("o"), cli.m_prompter) ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kExportCsvCommand{
    "export-csv",
    "FILE.zrt -o FILE",
    "Writes the input list as CSV (UTF-8, one row per input in tree order) with the\n"
    "columns port,unit,input,arch,original_arch,name,pageable.",
    {"o"},
    {},
    RunExportCsv};

const CliCommand kImportCsvCommand{
    "import-csv",
    "FILE.zrt FILE -o FILE.zrt",
    "Gives the inputs the Arch Numbers and names of a CSV file: rows matched by\n"
    "port, unit and input, columns in any order, arch or name or both. Any error\n"
    "refuses the whole file, naming its line and column, and nothing is written;\n"
    "so are Arch Numbers that two inputs would share.",
    {"o"},
    {},
    RunImportCsv};
