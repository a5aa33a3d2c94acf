#include "cli/DiffCommand.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/Json.h"
#include "document/ConfigDiff.h"

namespace {

void PrintDiffText(const std::vector<DiffItem>& items, std::ostream& out) {
    for (const DiffItem& d : items)
        out << d.m_strItem << ": " << d.m_strThis << " | " << d.m_strOther << '\n';
}

void PrintDiffJson(const std::vector<DiffItem>& items, std::ostream& out) {
    out << '[';
    for (size_t i = 0; i < items.size(); ++i)
        out << (i ? "," : "") << "{\"item\":" << JsonString(items[i].m_strItem)
            << ",\"this\":" << JsonString(items[i].m_strThis)
            << ",\"other\":" << JsonString(items[i].m_strOther) << '}';
    out << "]\n";
}

int RunDiff(const CliArgs& args) {
    if (args.Positionals().size() != 2) return kExitUsage;
    CliDocument self, other;
    if (!self.Open(args.Positionals()[0]) || !other.Open(args.Positionals()[1]))
        return kExitTrouble;
    const auto items = CompareConfigurations(self.m_doc, other.m_doc);
    if (args.Has("json"))
        PrintDiffJson(items, std::cout);
    else
        PrintDiffText(items, std::cout);
    return items.empty() ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kDiffCommand{
    "diff",
    "A.zrt B.zrt [--json]",
    "Compares two configurations, as diff(1) compares files: one line per difference,\n"
    "\"ITEM: IN A | IN B\" (an empty side where only one has the item); --json prints\n"
    "a list of objects {\"item\", \"this\", \"other\"}. Exit status 0 when they are the\n"
    "same, 1 when they differ, 2 on any error.",
    {},
    {"json"},
    RunDiff};
