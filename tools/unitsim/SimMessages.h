#pragma once

#include "model/Translate.h"

// The emulator's own texts, shown through Tr("Unitsim", ...). What a tool
// reads stays as it is: the connection on the first line of standard output,
// option names, fault kinds and the modem's answers.
namespace SimMessages {

inline constexpr const char* kProgram = ZRT_UNTRANSLATED("zrtpro-unitsim");

//: `zrtpro-unitsim --help`. Keep option names, the fault kinds (drop, corrupt
//: ...), the connections (serial:/dev/pts/N, tcp:127.0.0.1:PORT), AT commands
//: and the modem's answers (OK, CONNECT, BUSY ...) as they are; FILE, TEXT,
//: PORT, RATE, KIND, N, MS and ADDR are placeholders.
inline constexpr const char* kHelp = ZRT_TRANSLATE_NOOP(
    "Unitsim",
    "Usage: zrtpro-unitsim --eeprom FILE [options]\n"
    "\n"
    "Plays an M-4400/M-4800 video switcher for the programming tool, speaking the\n"
    "link protocol of docs/link-protocol.md, so that Read, Write, Verify and Set\n"
    "Time can be tried and tested without hardware.\n"
    "\n"
    "The first line written to standard output is the connection to give the tool:\n"
    "  serial:/dev/pts/N       a new pseudo-terminal (the default); open it as a serial port\n"
    "  tcp:127.0.0.1:PORT      with --tcp\n"
    "The emulator serves one connection at a time, until it is stopped (Ctrl+C).\n"
    "\n"
    "Options:\n"
    "  --eeprom FILE      the unit's 65,536-byte memory. Created erased (all 0xFF) when\n"
    "                     missing. Every change is written through to the file at once\n"
    "                     and atomically (a new file renamed over the old one), so the\n"
    "                     file is always whole, even when the emulator is killed.\n"
    "  --password TEXT    the unit's password (at most 9 characters), placed in its\n"
    "                     password cells 0xFFD0-0xFFD8 at start. Without it the cells in\n"
    "                     the file decide; erased cells mean no password, and then the\n"
    "                     unit accepts any password.\n"
    "  --tcp PORT         listen on 127.0.0.1:PORT instead of a pseudo-terminal\n"
    "                     (0 picks a free port). Only the loopback address is used.\n"
    "  --baud RATE        simulated line speed: bytes travel as on a real line at RATE\n"
    "                     baud (10 bits a byte) in both directions; a reply is handed\n"
    "                     over when its last byte would have arrived. 0 (the default)\n"
    "                     means as fast as possible.\n"
    "  --modem            answer as a Hayes modem first: echo what is typed, answer\n"
    "                     every AT command line (\"AT\", \"AT&F0\", \"AT&W0\", \"ATY0\", any\n"
    "                     initialization string) with OK, ATE0/ATE1 switch the echo,\n"
    "                     lines not starting with AT are ignored. A dial command\n"
    "                     (ATD...) answers \"CONNECT <rate>\" and the unit's frames\n"
    "                     follow; the call ends with the tool's BYE message or when\n"
    "                     the connection closes, and the modem takes commands again.\n"
    "  --dial-result TEXT with --modem: a dial command answers TEXT instead of\n"
    "                     CONNECT (for example BUSY, NO CARRIER, NO DIALTONE or ERROR)\n"
    "                     and no call is made.\n"
    "  --fault KIND:N     go wrong at the Nth EEPROM or clock message (opcodes 03, 04,\n"
    "                     05, 2C, 2F), counted from 1 since start; may be repeated:\n"
    "                       drop     no reply to that message (the tool times out)\n"
    "                       corrupt  the reply has a wrong check byte\n"
    "                       short    the reply is one byte shorter (a valid frame of the\n"
    "                                wrong length)\n"
    "                       stall    no reply to that message or any after it\n"
    "                       hangup   close the line before carrying it out, and exit\n"
    "                       die      kill itself (SIGKILL) before carrying it out\n"
    "                       trickle  send the reply one byte at a time, with a pause\n"
    "                                of --byte-gap between bytes\n"
    "  --byte-gap MS      the pause between the bytes of a trickled reply, 0 to\n"
    "                     10000 milliseconds (20 by default)\n"
    "  --weak-cell ADDR   the cell at ADDR (hexadecimal, 0-FFFF) keeps what is written to\n"
    "                     it with every bit inverted, as a worn memory cell would, so that\n"
    "                     a verify finds it; may be repeated\n"
    "  --help             show this text\n"
    "  --version          show the version\n"
    "\n"
    "Examples:\n"
    "  zrtpro-unitsim --eeprom unit.bin --password 1234\n"
    "  zrtpro-unitsim --eeprom unit.bin --tcp 4001 --baud 9600\n"
    "  zrtpro-unitsim --eeprom unit.bin --modem --fault drop:100\n");
//: After a wrong command line, on the line of its own below the error.
inline constexpr const char* kTryHelp = ZRT_TRANSLATE_NOOP("Unitsim", "Try zrtpro-unitsim --help");
//: %s the argument as typed.
inline constexpr const char* kUnknownArgument =
    ZRT_TRANSLATE_NOOP("Unitsim", "unknown argument %s");
//: %s the option as typed ("--eeprom").
inline constexpr const char* kNeedsValue = ZRT_TRANSLATE_NOOP("Unitsim", "%s needs a value");
inline constexpr const char* kPasswordTooLong =
    ZRT_TRANSLATE_NOOP("Unitsim", "the password has at most 9 characters");
//: Keep "--dial-result".
inline constexpr const char* kDialResultOneLine =
    ZRT_TRANSLATE_NOOP("Unitsim", "--dial-result needs a one-line result code");
//: Keep "--tcp".
inline constexpr const char* kTcpPort =
    ZRT_TRANSLATE_NOOP("Unitsim", "--tcp needs a port number from 0 to 65535");
//: Keep "--baud".
inline constexpr const char* kBaudRate =
    ZRT_TRANSLATE_NOOP("Unitsim", "--baud needs a rate from 0 to 10000000");
//: Keep "--fault", "KIND:N" and the fault kinds after "one of".
inline constexpr const char* kFaultKind = ZRT_TRANSLATE_NOOP(
    "Unitsim",
    "--fault needs KIND:N, KIND one of drop, corrupt, short, stall, hangup, die, trickle");
//: Keep "--byte-gap".
inline constexpr const char* kByteGap =
    ZRT_TRANSLATE_NOOP("Unitsim", "--byte-gap needs a pause from 0 to 10000 milliseconds");
//: Keep "--weak-cell"; FFFF is hexadecimal.
inline constexpr const char* kWeakCell =
    ZRT_TRANSLATE_NOOP("Unitsim", "--weak-cell needs a cell address from 0 to FFFF");
//: Keep "--eeprom FILE".
inline constexpr const char* kEepromRequired =
    ZRT_TRANSLATE_NOOP("Unitsim", "--eeprom FILE is required");
//: %s the file given with --eeprom.
inline constexpr const char* kNotAUnitMemory =
    ZRT_TRANSLATE_NOOP("Unitsim", "%s is not a 65,536-byte unit memory");
//: %s the file given with --eeprom.
inline constexpr const char* kCannotWrite = ZRT_TRANSLATE_NOOP("Unitsim", "cannot write %s");
//: %s the system's reason (in English).
inline constexpr const char* kCannotCreatePty =
    ZRT_TRANSLATE_NOOP("Unitsim", "cannot create a pseudo-terminal: %s");
//: %s the system's reason (in English).
inline constexpr const char* kCannotOpenPty =
    ZRT_TRANSLATE_NOOP("Unitsim", "cannot open the pseudo-terminal: %s");
//: %s the system's reason (in English).
inline constexpr const char* kCannotCreateSocket =
    ZRT_TRANSLATE_NOOP("Unitsim", "cannot create a socket: %s");
//: %d the port given with --tcp, %s the system's reason (in English).
inline constexpr const char* kCannotListen =
    ZRT_TRANSLATE_NOOP("Unitsim", "cannot listen on 127.0.0.1:%d: %s");

}  // namespace SimMessages
