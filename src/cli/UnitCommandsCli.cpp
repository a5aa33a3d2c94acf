#include "cli/UnitCommandsCli.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/UnitRun.h"
#include "model/Format.h"
#include "model/ZrtFile.h"
#include "pages/SettingsOps.h"
#include "unit/UnitCommands.h"

namespace {

int RunWrite(const CliArgs& args) {
    if (args.Positionals().size() != 1 || !args.Has("connect")) return kExitUsage;
    UnitRun run;
    if (!run.m_cli.Open(args.Positionals()[0])) return kExitFailed;
    if (!run.Connect(args)) return kExitFailed;
    if (args.Has("new-password")) {
        if (args.Get("new-password").size() > kPasswordMaxLength) {
            std::cerr << "A unit password has at most " << kPasswordMaxLength << " characters.\n";
            return kExitFailed;
        }
        AcceptPassword(run.m_state, args.Get("new-password"));
    }
    run.m_state.m_bEnableVerify = args.Has("verify");
    UnitContext c = run.Context();
    const bool written = WriteCommand(c);
    for (const auto& d : run.m_state.m_verifyDifferences)
        std::cerr << StrFormat("cell 0x%04X: written 0x%02X, read 0x%02X\n", d.m_nAddress,
                               d.m_byWritten, d.m_byRead);
    if (run.m_state.m_nVerifyDifferences > run.m_state.m_verifyDifferences.size())
        std::cerr << "... " << run.m_state.m_nVerifyDifferences << " cells differ in all.\n";
    return run.m_connection->Close() && written ? kExitOk : kExitFailed;
}

int RunRead(const CliArgs& args) {
    const auto ports = ParseInt(args.Get("ports"), 4, 8);
    if (!args.Positionals().empty() || !args.Has("connect") || !args.Has("o") || !ports ||
        (*ports != 4 && *ports != 8))
        return kExitUsage;
    UnitRun run;
    if (!run.Connect(args)) return kExitFailed;
    run.m_cli.m_prompter.m_unitModel.m_nRows = *ports == 8 ? 2 : 1;
    UnitContext c = run.Context();
    const bool read = ReadCommand(c);
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
    "FILE.zrt --connect CONNECTION [--password P] [--new-password P] [--verify] [--trace FILE]",
    "Writes a configuration into a unit: erases its memory and writes every cell.\n"
    "--password opens a unit that has one; --new-password gives the unit a new one\n"
    "(at most 8 characters); --verify reads the unit back and compares, and lists\n"
    "the first cells that differ. --trace FILE records every frame and time-out\n"
    "(the password masked). Ctrl+C, or Esc at a terminal, stops the write after\n"
    "the message in flight.\n"
    "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a\n"
    "device server's RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,\n"
    "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).",
    {"connect", "password", "new-password", "trace"},
    {"verify"},
    RunWrite};

const CliCommand kReadCommand{
    "read",
    "--connect CONNECTION --ports 4|8 [--password P] [--trace FILE] -o FILE.zrt",
    "Reads a unit's configuration into a new configuration file; --ports answers\n"
    "the main unit model question (4: M-4400, 8: M-4800). Ctrl+C, or Esc at a\n"
    "terminal, stops the read after the message in flight.\n"
    "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a\n"
    "device server's RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,\n"
    "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).",
    {"connect", "ports", "password", "o", "trace"},
    {},
    RunRead};

const CliCommand kSetTimeCommand{
    "set-time",
    "--connect CONNECTION [--password P] [--trace FILE]",
    "Sets the unit's clock from this computer's local time.\n"
    "CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a\n"
    "device server's RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,\n"
    "or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).",
    {"connect", "password", "trace"},
    {},
    RunSetTime};
