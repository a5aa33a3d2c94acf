#include "cli/DiffCommand.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/CliMessages.h"
#include "cli/Json.h"
#include "cli/UnitRun.h"
#include "document/ConfigDiff.h"
#include "unit/UnitCommands.h"

namespace {

void PrintDiffText(const std::vector<DiffItem>& items, std::ostream& out) {
    for (const DiffItem& item : items) {
        const DiffItem d = ShownDiffItem(item);
        out << d.m_strItem << ": " << d.m_strThis << " | " << d.m_strOther << '\n';
    }
}

void PrintDiffJson(const std::vector<DiffItem>& items, std::ostream& out) {
    out << '[';
    for (size_t i = 0; i < items.size(); ++i)
        out << (i ? "," : "") << "{\"item\":" << JsonString(items[i].m_strItem)
            << ",\"this\":" << JsonString(items[i].m_strThis)
            << ",\"other\":" << JsonString(items[i].m_strOther) << '}';
    out << "]\n";
}

// Reads the unit into `other`, taken as a unit of the model of the
// configuration open in `run`.
bool ReadUnitInto(UnitRun& run, const CliArgs& args, CZRTProDoc& other) {
    if (!run.Connect(args)) return false;
    UnitContext c = run.Context();
    const bool read = ReadCopyCommand(c, other);
    return run.m_connection->Close() && read;
}

int RunDiff(const CliArgs& args) {
    const bool fromUnit = args.Has("connect");
    if (args.Positionals().size() != (fromUnit ? 1u : 2u)) return kExitUsage;
    UnitRun run;
    if (!run.m_cli.Open(args.Positionals()[0])) return kExitTrouble;
    CliDocument other;
    if (fromUnit ? !ReadUnitInto(run, args, other.m_doc) : !other.Open(args.Positionals()[1]))
        return kExitTrouble;
    const auto items = CompareConfigurations(run.m_cli.m_doc, other.m_doc);
    if (args.Has("json"))
        PrintDiffJson(items, std::cout);
    else
        PrintDiffText(items, std::cout);
    return items.empty() ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kDiffCommand{
    "diff",
    //: The arguments of `zrtpro-cli diff`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP(
        "Cli", "A.zrt [B.zrt] [--connect CONNECTION] [--password P] [--trace FILE] [--json]"),
    //: `zrtpro-cli diff --help`. Keep command and option names, the connection forms
    //: (serial:DEVICE[:BAUD] ...) and the --json keys as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Compares two configurations, as diff(1) compares files: one line per difference,\n"
        "\"ITEM: IN A | IN B\" (an empty side where only one has the item); --json prints\n"
        "a list of objects {\"item\", \"this\", \"other\"}. Exit status 0 when they are the\n"
        "same, 1 when they differ, 2 on any error. With --connect the unit is read (as a\n"
        "unit of A's model) and compared with A; nothing is written anywhere.\n"
        "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER,\n"
        "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file)."),
    {"connect", "password", "trace"},
    {"json"},
    RunDiff};
