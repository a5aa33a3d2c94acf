#pragma once

#include "model/Translate.h"

// The command-line tool's own texts, shown through Tr("Cli", ...). Each
// command's usage and explanation sit in its CliCommand, marked there. What
// scripts read stays English whatever the language: command and option names,
// the connection forms, --json keys and values, and the exit status.
namespace CliMessages {

inline constexpr const char* kProgram = ZRT_UNTRANSLATED("zrtpro-cli");

//: The start of `zrtpro-cli --help`, before the list of commands. Keep "zrtpro-cli",
//: "COMMAND --help" and "--help" as they are; COMMAND and ARGS are placeholders.
inline constexpr const char* kOverview = ZRT_TRANSLATE_NOOP(
    "Cli",
    "Usage: zrtpro-cli COMMAND [ARGS...]\n"
    "  or:  zrtpro-cli COMMAND --help\n\n"
    "Runs the operations of the NEXIL Video Switcher Programming Tool from a shell,\n"
    "with the same checks and messages as its window (messages on standard error).\n\n"
    "Commands:\n");
//: The end of `zrtpro-cli --help`, after the list of commands. Keep the option
//: names (--help, --version) and the exit status numbers.
inline constexpr const char* kOverviewOptions = ZRT_TRANSLATE_NOOP(
    "Cli",
    "\nOptions:\n"
    "  --help       show this text; after a command, explain that command\n"
    "  --version    show the version\n\n"
    "Exit status: 0 success, 1 the operation failed, 2 wrong usage. Output files\n"
    "are written only on success, and then whole.\n");
//: First line of `zrtpro-cli COMMAND --help`: %s the command's name, %s its
//: arguments (both as they are typed).
inline constexpr const char* kCommandUsage = ZRT_TRANSLATE_NOOP("Cli", "usage: zrtpro-cli %s %s");
//: A command was used wrongly: %s the command's name, %s what was wrong (one of
//: the texts below), %s the command's name again, %s its arguments.
inline constexpr const char* kUsageHint =
    ZRT_TRANSLATE_NOOP("Cli", "zrtpro-cli %s: %s (usage: zrtpro-cli %s %s)");
//: What was wrong in a command's use, when no more particular text says it.
inline constexpr const char* kWrongArguments = ZRT_TRANSLATE_NOOP("Cli", "wrong arguments");
//: What was wrong in a command's use: %s the option as typed ("--ports").
inline constexpr const char* kOptionNeedsValue =
    ZRT_TRANSLATE_NOOP("Cli", "option %s needs a value");
//: What was wrong in a command's use: %s the option as typed.
inline constexpr const char* kUnknownOption = ZRT_TRANSLATE_NOOP("Cli", "unknown option %s");
//: %s the command name as typed. Keep "zrtpro-cli --help".
inline constexpr const char* kUnknownCommand =
    ZRT_TRANSLATE_NOOP("Cli", "zrtpro-cli: unknown command \"%s\" (zrtpro-cli --help lists them)");

//: %s the unit memory file given with unitsim:.
inline constexpr const char* kMemoryFileSize =
    ZRT_TRANSLATE_NOOP("Cli", "the unit memory file %s is not 65,536 bytes long");
//: %s the file given with --trace.
inline constexpr const char* kCannotWriteTrace =
    ZRT_TRANSLATE_NOOP("Cli", "cannot write the trace file %s");
//: %s the connection as typed. Keep the connection forms in brackets exactly as
//: they are: they are what is typed after --connect.
inline constexpr const char* kUnknownConnection =
    ZRT_TRANSLATE_NOOP("Cli",
                       "unknown connection \"%s\" (use serial:DEVICE[:BAUD], tcp:HOST:PORT, "
                       "modem:DEVICE[:BAUD]:NUMBER or unitsim:EEPROM-FILE)");
//: %s the unit memory file given with unitsim:.
inline constexpr const char* kCannotSaveMemoryFile =
    ZRT_TRANSLATE_NOOP("Cli", "Cannot save the unit memory file %s");

//: Before the conflict report of a configuration just built (the report follows
//: on the next lines). "Arch Number" is the product's own term.
inline constexpr const char* kArchConflictsExist =
    ZRT_TRANSLATE_NOOP("Cli", "Arch number conflicts exist:");
inline constexpr const char* kNoArchConflicts =
    ZRT_TRANSLATE_NOOP("Cli", "No Arch Number conflicts.");

//: %s the output file.
inline constexpr const char* kCannotWrite = ZRT_TRANSLATE_NOOP("Cli", "Cannot write %s");
//: %s the file given, %d its expected size (65536).
inline constexpr const char* kNotAnImage =
    ZRT_TRANSLATE_NOOP("Cli", "%s is not a unit memory image of %d bytes.");

//: The port list of `zrtpro-cli ports` when there is none.
inline constexpr const char* kNoSerialPorts = ZRT_TRANSLATE_NOOP("Cli", "No serial ports.");
//: Follows a port's device file: %s the serial number of its USB adapter.
inline constexpr const char* kPortSerialNumber = ZRT_TRANSLATE_NOOP("Cli", ", serial number %s");
//: Ends a port's line: the person running the tool may open the port.
inline constexpr const char* kPortMayOpen = ZRT_TRANSLATE_NOOP("Cli", ", this user may open it");
//: Ends a port's line: the person running the tool may not open the port.
inline constexpr const char* kPortMayNotOpen =
    ZRT_TRANSLATE_NOOP("Cli", ", this user may not open it");
//: Under a port a program holds: %s the program's name, %d its process number.
inline constexpr const char* kPortInUse =
    ZRT_TRANSLATE_NOOP("Cli", "    in use by %s (process %d)");

//: The first line of `zrtpro-cli show`: %s the unit model (M-4800), %d its
//: ports, %d the camera interface units, %s the paging system, %d the digits
//: of its dial plan.
inline constexpr const char* kShowSystem = ZRT_TRANSLATE_NOOP(
    "Cli", "System: %s, %d ports, %d camera interface units; paging system %s, %d digits");
//: %d the unit's priority, %d the time refresh; the Admin Arch Numbers follow.
inline constexpr const char* kShowSettings =
    ZRT_TRANSLATE_NOOP("Cli", "Priority: %d  Time refresh: %d  Admin:");
//: %d the idle loop's delay in seconds; its Arch Numbers follow.
inline constexpr const char* kShowIdleLoop = ZRT_TRANSLATE_NOOP("Cli", "Idle loop (%d s):");
//: As the text before, for an idle loop that shows no video.
inline constexpr const char* kShowIdleLoopNoVideo =
    ZRT_TRANSLATE_NOOP("Cli", "Idle loop (%d s, no video):");
//: Heading of the list of inputs.
inline constexpr const char* kShowInputs = ZRT_TRANSLATE_NOOP("Cli", "Inputs:");
//: After an input or number that cannot be paged.
inline constexpr const char* kShowNonPageable = ZRT_TRANSLATE_NOOP("Cli", "  (non-pageable)");
//: Heading of the list of Arch Numbers given to no input.
inline constexpr const char* kShowUnassigned =
    ZRT_TRANSLATE_NOOP("Cli", "Unassigned Arch Numbers:");

//: A cell a verify found different: %04X its address, %02X the byte written,
//: %02X the byte read back.
inline constexpr const char* kCellDiffers =
    ZRT_TRANSLATE_NOOP("Cli", "cell 0x%04X: written 0x%02X, read 0x%02X");
//: After the first cells a verify found different: %zu how many in all.
inline constexpr const char* kCellsDifferInAll =
    ZRT_TRANSLATE_NOOP("Cli", "... %zu cells differ in all.");
//: %zu the longest password (8).
inline constexpr const char* kPasswordTooLong =
    ZRT_TRANSLATE_NOOP("Cli", "A unit password has at most %zu characters.");
//: In the unit history's list: what the unit held when the copy was kept (a
//: model and counts, erased, ...) follows.
inline constexpr const char* kUnitHeld = ZRT_TRANSLATE_NOOP("Cli", "unit held: ");

}  // namespace CliMessages
