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
    auto preview = ImportInputsCsvFile(cli.m_doc, args.Positionals()[1], error);
    if (!preview) {
        std::cerr << error << '\n';
        return kExitFailed;
    }
    for (const std::string& note : preview->m_notes) std::cerr << note << '\n';
    if (!preview->m_doc.CheckArchConflicts()) {
        for (const std::string& line : preview->m_shared) std::cerr << line << '\n';
        std::cerr << Tr("Model", ModelMessages::kConflictsCannotSave) << '\n';
        return kExitFailed;
    }
    return SaveZrtFile(preview->m_doc, args.Get("o"), cli.m_prompter) ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kExportCsvCommand{
    "export-csv",
    "FILE.zrt -o FILE",
    "Writes the input list as CSV for a spreadsheet, one row per input in tree order;\n"
    "import-csv reads it back:\n"
    "\n"
    "  port, unit, input  which input the row is for (unit and input empty for an\n"
    "                     input wired to its port); needed\n"
    "  arch               the Arch Number, applied; numbers move at once, the idle\n"
    "                     loop follows its cameras\n"
    "  name               the name, applied: at most 15 Latin-1 characters, no\n"
    "                     control characters\n"
    "  original_arch      written, not applied (Reset to Original puts it back)\n"
    "  pageable           written, not applied (it follows the number)\n"
    "\n"
    "Written as UTF-8, commas, CRLF. Read: commas, semicolons or tabs (found from\n"
    "the header line); UTF-8 with or without a byte order mark, else Windows-1252;\n"
    "header names in any order and letter case; rows of nothing but separators\n"
    "skipped; other columns ignored. A cell beginning with =, +, -, @, a tab or a\n"
    "carriage return is written with an apostrophe in front, so a spreadsheet shows\n"
    "it as text; the import removes that apostrophe.",
    {"o"},
    {},
    RunExportCsv};

const CliCommand kImportCsvCommand{
    "import-csv",
    "FILE.zrt FILE -o FILE.zrt",
    "Gives the inputs the Arch Numbers and names of a CSV file (the format of\n"
    "export-csv --help): rows matched by port, unit and input, arch or name or both.\n"
    "Any refused cell refuses the whole file, and every refused cell is listed (the\n"
    "first 20, then how many more) with its line and column; nothing is written.\n"
    "So are Arch Numbers that two inputs would share. Columns not applied are named.",
    {"o"},
    {},
    RunImportCsv};
