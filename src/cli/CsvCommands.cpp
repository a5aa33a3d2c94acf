#include "cli/CsvCommands.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "document/InputsCsv.h"
#include "model/FileIo.h"
#include "model/ModelMessages.h"
#include "model/ZrtFile.h"

namespace {

// Far more than the rows of the largest configuration.
constexpr size_t kMaxCsvBytes = 4u << 20;

int RunExportCsv(const CliArgs& args) {
    if (args.Positionals().size() != 1 || !args.Has("o")) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    std::string reason;
    if (!WriteFileAtomically(args.Get("o"), ExportInputsCsv(cli.m_doc), &reason)) {
        std::cerr << args.Get("o") << ": " << reason << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int RunImportCsv(const CliArgs& args) {
    if (args.Positionals().size() != 2 || !args.Has("o")) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    const std::string& csvPath = args.Positionals()[1];
    const auto text = ReadWholeFile(csvPath, kMaxCsvBytes);
    if (!text) {
        std::cerr << csvPath << ": cannot be read, or larger than " << (kMaxCsvBytes >> 20)
                  << " MB\n";
        return kExitFailed;
    }
    std::string error;
    if (!ImportInputsCsv(cli.m_doc, *text, error)) {
        std::cerr << csvPath << ": " << error << '\n';
        return kExitFailed;
    }
    if (!cli.m_doc.CheckArchConflicts()) {
        std::cerr << ModelMessages::kConflictsCannotSave << '\n';
        return kExitFailed;
    }
    return SaveZrtFile(cli.m_doc, args.Get("o"), cli.m_prompter) ? kExitOk : kExitFailed;
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
