#include "cli/UnitCommandsCli.h"

#include <iostream>
#include <optional>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliWriteCheck.h"
#include "cli/Json.h"
#include "cli/UnitRun.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "model/ZrtFile.h"
#include "pages/SettingsOps.h"
#include "unit/UnitCommands.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"

namespace {

// Lists the cells a failed verify found.
void PrintVerifyDifferences(const MainState& state) {
    for (const auto& d : state.m_verifyDifferences)
        std::cerr << StrFormat(Tr("Cli", CliMessages::kCellDiffers).c_str(), d.m_nAddress,
                               d.m_byWritten, d.m_byRead)
                  << '\n';
    if (state.m_nVerifyDifferences > state.m_verifyDifferences.size())
        std::cerr << StrFormat(Tr("Cli", CliMessages::kCellsDifferInAll).c_str(),
                               state.m_nVerifyDifferences)
                  << '\n';
}

// The unit context with the command-line tool's check before the erase.
UnitContext CheckedContext(UnitRun& run, CliWriteCheck& check) {
    const UnitContext c = run.Context();
    return {c.m_doc, c.m_tree, c.m_prompter, c.m_state, c.m_link, check, c.m_clock};
}

int RunWrite(const CliArgs& args) {
    if (args.Positionals().size() != 1 || !args.Has("connect")) return kExitUsage;
    UnitRun run;
    if (!run.m_cli.Open(args.Positionals()[0])) return kExitFailed;
    if (!run.Connect(args)) return kExitFailed;
    if (args.Has("new-password")) {
        if (args.Get("new-password").size() > kPasswordMaxLength) {
            std::cerr << StrFormat(Tr("Cli", CliMessages::kPasswordTooLong).c_str(),
                                   kPasswordMaxLength)
                      << '\n';
            return kExitFailed;
        }
        AcceptPassword(run.m_state, args.Get("new-password"));
    }
    run.m_state.m_bEnableVerify = args.Has("verify");
    run.m_state.m_bCheckBeforeWrite = true;
    run.m_state.m_bKeepBeforeWrite = !args.Has("no-backup");
    run.m_state.m_strHistoryFolder = UnitHistoryFolder();
    CliWriteCheck check(run.m_state, args.Has("force"));
    UnitContext c = CheckedContext(run, check);
    const bool written = WriteCommand(c);
    PrintVerifyDifferences(run.m_state);
    return run.m_connection->Close() && written ? kExitOk : kExitFailed;
}

// A copy restored is named by its time when it is one of the history's, else by its path.
std::string CopyName(const std::string& path) {
    for (const UnitHistoryEntry& e : UnitHistory(UnitHistoryFolder()).List())
        if (e.m_strImagePath == path) return e.m_strTime;
    return path;
}

int RunRestore(const CliArgs& args) {
    if (args.Positionals().size() != 1 || !args.Has("connect")) return kExitUsage;
    const std::string& path = args.Positionals()[0];
    const std::optional<std::vector<uint8_t>> image = UnitHistory::LoadImage(path);
    if (!image) {
        std::cerr << path << ": " << Tr("Unit", UnitMessages::kRestoreNotImage) << '\n';
        return kExitFailed;
    }
    UnitRun run;
    if (!run.Connect(args)) return kExitFailed;
    run.m_state.m_bEnableVerify = args.Has("verify");
    run.m_state.m_bCheckBeforeWrite = true;
    run.m_state.m_bKeepBeforeWrite = true;
    run.m_state.m_strHistoryFolder = UnitHistoryFolder();
    CliWriteCheck check(run.m_state, false);
    UnitContext c = CheckedContext(run, check);
    const bool written = RestoreCommand(c, *image, CopyName(path));
    PrintVerifyDifferences(run.m_state);
    return run.m_connection->Close() && written ? kExitOk : kExitFailed;
}

int RunHistory(const CliArgs& args) {
    if (!args.Positionals().empty()) return kExitUsage;
    const std::vector<UnitHistoryEntry> entries = UnitHistory(UnitHistoryFolder()).List();
    if (args.Has("json")) {
        std::cout << '[';
        for (size_t i = 0; i < entries.size(); ++i) {
            const UnitHistoryEntry& e = entries[i];
            std::cout << (i ? ",\n " : "\n ") << "{\"time\": " << JsonString(e.m_strTime)
                      << ", \"kind\": " << JsonString(e.m_strKind)
                      << ", \"connection\": " << JsonString(e.m_strConnection)
                      << ", \"site\": " << JsonString(e.m_strSite)
                      << ", \"model\": " << JsonString(e.m_strModel)
                      << ", \"cameraUnits\": " << e.m_nCameraUnits
                      << ", \"inputs\": " << e.m_nInputs
                      << ", \"erased\": " << (e.m_bErased ? "true" : "false")
                      << ", \"partlyWritten\": " << (e.m_bPartlyWritten ? "true" : "false")
                      << ", \"held\": " << JsonString(HeldText(e, TextReader::Program))
                      << ", \"written\": " << JsonString(e.m_strSite)
                      << ", \"sequence\": " << e.m_nSequence
                      << ", \"path\": " << JsonString(e.m_strImagePath) << '}';
        }
        std::cout << (entries.empty() ? "]\n" : "\n]\n");
        return kExitOk;
    }
    for (const UnitHistoryEntry& e : entries) {
        std::cout << e.m_strTime << "  " << KindText(e.m_strKind) << "  " << e.m_strConnection
                  << "  " << e.m_strSite << "  " << Tr("Cli", CliMessages::kUnitHeld) << HeldText(e)
                  << '\n';
        std::cout << "  " << e.m_strImagePath << '\n';
    }
    return kExitOk;
}

int RunRead(const CliArgs& args) {
    const auto ports = ParseInt(args.Get("ports"), 4, 8);
    if (!args.Positionals().empty() || !args.Has("connect") || !args.Has("o") || !ports ||
        (*ports != 4 && *ports != 8))
        return kExitUsage;
    UnitRun run;
    if (!run.Connect(args)) return kExitFailed;
    run.m_cli.m_prompter.m_unitModel.m_nRows = *ports == 8 ? 2 : 1;
    run.m_state.m_strHistoryFolder = UnitHistoryFolder();
    UnitContext c = run.Context();
    const bool read = ReadCommand(c);
    if (!run.m_state.m_strKeptPath.empty())
        std::cerr << StrFormat(Tr("Unit", UnitMessages::kKeptIn).c_str(),
                               run.m_state.m_strKeptPath.c_str())
                  << '\n';
    const bool closed = run.m_connection->Close();
    if (!read || !closed) return kExitFailed;
    return SaveZrtFile(run.m_cli.m_doc, args.Get("o"), run.m_cli.m_prompter) ? kExitOk
                                                                             : kExitFailed;
}

int RunSetTime(const CliArgs& args) {
    if (!args.Positionals().empty() || !args.Has("connect")) return kExitUsage;
    UnitRun run;
    if (!run.Connect(args)) return kExitFailed;
    UnitContext c = run.Context();
    const bool set = SetTimeCommand(c);
    return run.m_connection->Close() && set ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kWriteCommand{
    "write",
    //: The arguments of `zrtpro-cli write`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "FILE.zrt --connect CONNECTION [--password P] [--new-password P] [--verify] [--no-backup] "
        "[--force] [--trace FILE]"),
    //: `zrtpro-cli write --help`. Keep command and option names and the connection forms
    //: (serial:DEVICE[:BAUD] ...) as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Writes a configuration into a unit: erases its memory and writes every cell.\n"
        "First it reads the unit's whole memory and keeps it in the unit history\n"
        "(\"Unit memory kept in PATH\"), then says what the write changes: how many\n"
        "differences, or that the unit is erased, partly written or holds nothing this\n"
        "program can read. A unit that seems to hold another site, or nothing it can\n"
        "read, is refused unless --force is given; the copy is kept either way.\n"
        "--no-backup only skips keeping the copy (no file is stored): the unit is\n"
        "still read and checked, and refused, as above.\n"
        "--password opens a unit that has one; --new-password gives the unit a new one\n"
        "(at most 8 characters); --verify reads the unit back and compares, and lists\n"
        "the first cells that differ. --trace FILE records every frame and time-out\n"
        "(the password masked). Ctrl+C, or Esc at a terminal, stops the write after\n"
        "the message in flight.\n"
        "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a\n"
        "device server's RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,\n"
        "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file)."),
    {"connect", "password", "new-password", "trace"},
    {"verify", "no-backup", "force"},
    RunWrite};

const CliCommand kRestoreCommand{
    "restore",
    //: The arguments of `zrtpro-cli restore`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli",
                       "IMAGE --connect CONNECTION [--password P] [--verify] [--trace FILE]"),
    //: `zrtpro-cli restore --help`. Keep command and option names and the connection forms
    //: (serial:DEVICE[:BAUD] ...) as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Writes a unit memory image of 65,536 bytes (a copy from the unit history)\n"
        "back into a unit, exactly, as a write does: the unit's memory is kept in the\n"
        "history first, and what the restore changes is said. The unit keeps its own\n"
        "switches cell and its present password (the one --password opens it with):\n"
        "a unit never shows its password, so no copy holds one. --verify reads the\n"
        "unit back and compares.\n"
        "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER,\n"
        "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file)."),
    {"connect", "password", "trace"},
    {"verify"},
    RunRestore};

const CliCommand kHistoryCommand{
    "history",
    //: The arguments of `zrtpro-cli history`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "[--json]"),
    //: `zrtpro-cli history --help`. Keep command and option names and the --json keys as they
    //: are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Lists the unit history, newest first: the copies of units' memory kept\n"
        "before every write and restore (unless write --no-backup) and by every read\n"
        "(this tool's and the window's), each with its time, kind (read, before\n"
        "write, before restore), connection, what was then written (the\n"
        "configuration's title, or the copy restored; nothing for a read), what the\n"
        "unit held (read from the copy: model and counts, erased, partly written, or\n"
        "not a configuration) and the path of its 65,536-byte image. The newest 100\n"
        "are kept, newest in the order they were kept, whatever the clock says.\n"
        "--json prints an array of objects with time, kind, connection, site (what\n"
        "was written), model, cameraUnits, inputs, erased, partlyWritten, held (the\n"
        "text), written (as site), sequence (the order kept) and path."),
    {},
    {"json"},
    RunHistory};

const CliCommand kReadCommand{
    "read",
    //: The arguments of `zrtpro-cli read`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP(
        "Cli", "--connect CONNECTION --ports 4|8 [--password P] [--trace FILE] -o FILE.zrt"),
    //: `zrtpro-cli read --help`. Keep command and option names and the connection forms
    //: (serial:DEVICE[:BAUD] ...) as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Reads a unit's configuration into a new configuration file; --ports answers\n"
        "the main unit model question (4: M-4400, 8: M-4800). The unit's memory is\n"
        "kept in the unit history too, as the window's Read keeps it (\"Unit memory\n"
        "kept in PATH\"). Ctrl+C, or Esc at a terminal, stops the read after the\n"
        "message in flight.\n"
        "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a\n"
        "device server's RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,\n"
        "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file)."),
    {"connect", "ports", "password", "o", "trace"},
    {},
    RunRead};

const CliCommand kSetTimeCommand{
    "set-time",
    //: The arguments of `zrtpro-cli set-time`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "--connect CONNECTION [--password P] [--trace FILE]"),
    //: `zrtpro-cli set-time --help`. Keep command and option names and the connection forms
    //: (serial:DEVICE[:BAUD] ...) as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Sets the unit's clock from this computer's local time.\n"
        "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a\n"
        "device server's RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,\n"
        "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file)."),
    {"connect", "password", "trace"},
    {},
    RunSetTime};
