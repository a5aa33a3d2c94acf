#include "cli/ShowCommand.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/CliMessages.h"
#include "cli/Json.h"
#include "model/Format.h"
#include "model/SystemNames.h"
#include "tree/BuildTree.h"

namespace {

template <typename T, typename F>
void JsonArray(std::ostream& out, const T& items, F each) {
    out << '[';
    bool first = true;
    for (const auto& item : items) {
        out << (first ? "" : ",");
        first = false;
        each(item);
    }
    out << ']';
}

int RunShow(const CliArgs& args) {
    if (args.Positionals().size() != 1) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    if (args.Has("json"))
        PrintConfigurationJson(cli.m_doc, std::cout);
    else
        PrintConfiguration(cli.m_doc, std::cout);
    return kExitOk;
}

}  // namespace

void PrintConfiguration(const CZRTProDoc& doc, std::ostream& out) {
    namespace M = CliMessages;
    out << StrFormat(Tr("Cli", M::kShowSystem).c_str(), UnitModelName(doc.m_nPortCount),
                     doc.m_nPortCount, doc.m_nCiuCount, PagingSystemName(doc.m_nPagingSystem),
                     doc.m_nDialDigits)
        << '\n';
    out << StrFormat(Tr("Cli", M::kShowSettings).c_str(), static_cast<int>(doc.m_nPriority),
                     static_cast<int>(doc.m_byTimeRefresh));
    for (int a : doc.m_adminArch) out << ' ' << a;
    out << '\n'
        << StrFormat(
               Tr("Cli", doc.m_bIdleNoVideo ? M::kShowIdleLoopNoVideo : M::kShowIdleLoop).c_str(),
               doc.m_nIdleDelay);
    for (const auto& arch : doc.m_idleLoop) out << ' ' << arch;
    const std::string nonPageable = Tr("Cli", M::kShowNonPageable);
    out << '\n' << Tr("Cli", M::kShowInputs) << '\n';
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i) {
        const bool shown = doc.IsInput(i) && doc.m_nodes[i].IsNonPageable();
        out << "  " << NodeItemText(doc, i) << (shown ? nonPageable : std::string()) << '\n';
    }
    out << Tr("Cli", M::kShowUnassigned) << '\n';
    for (const auto& z : doc.m_zones)
        out << "  " << z.m_strArch << "  " << z.m_strName
            << (z.IsNonPageable() ? nonPageable : std::string()) << '\n';
}

void PrintConfigurationJson(const CZRTProDoc& doc, std::ostream& out) {
    out << "{\"m_nPortCount\":" << doc.m_nPortCount << ",\"m_nCiuCount\":" << doc.m_nCiuCount
        << ",\"m_nPagingSystem\":" << doc.m_nPagingSystem
        << ",\"m_nConfigSource\":" << doc.m_nConfigSource
        << ",\"m_nDialDigits\":" << doc.m_nDialDigits << ",\"m_nPriority\":" << doc.m_nPriority
        << ",\"m_nIdleDelay\":" << doc.m_nIdleDelay << ",\"m_bIdleNoVideo\":" << doc.m_bIdleNoVideo
        << ",\"m_byTimeRefresh\":" << static_cast<int>(doc.m_byTimeRefresh)
        << ",\"m_strImportPath\":" << JsonString(doc.m_strImportPath)
        << ",\"m_strWizardFile\":" << JsonString(doc.m_strWizardFile) << ",\"m_adminArch\":";
    JsonArray(out, doc.m_adminArch, [&](int32_t a) { out << a; });
    out << ",\"m_idleLoop\":";
    JsonArray(out, doc.m_idleLoop, [&](const std::string& a) { out << JsonString(a); });
    out << ",\"m_nodes\":";
    JsonArray(out, doc.m_nodes, [&](const CConfigNode& n) {
        out << "{\"m_strArch\":" << JsonString(n.m_strArch)
            << ",\"m_strName\":" << JsonString(n.m_strName) << ",\"m_nZoneId\":" << n.m_nZoneId
            << ",\"m_strOrigArch\":" << JsonString(n.m_strOrigArch)
            << ",\"m_nOrigZoneId\":" << n.m_nOrigZoneId
            << ",\"m_strOrigName\":" << JsonString(n.m_strOrigName)
            << ",\"m_nInputCode\":" << n.m_nInputCode << ",\"m_nSignedCode\":" << n.m_nSignedCode
            << ",\"m_strLabel\":" << JsonString(n.m_strLabel) << '}';
    });
    out << ",\"m_zones\":";
    JsonArray(out, doc.m_zones, [&](const CZoneEntry& z) {
        out << "{\"m_strArch\":" << JsonString(z.m_strArch)
            << ",\"m_strName\":" << JsonString(z.m_strName) << ",\"m_nZoneId\":" << z.m_nZoneId
            << '}';
    });
    out << "}\n";
}

const CliCommand kShowCommand{
    "show",
    //: The arguments of `zrtpro-cli show`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "FILE.zrt [--json]"),
    //: `zrtpro-cli show --help`. Keep command and option names and the --json keys as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Prints the whole configuration: system, settings, idle loop, every node and the\n"
        "unassigned Arch Numbers. --json prints one object keyed by the model's member names."),
    {},
    {"json"},
    RunShow};
