#include "SimOptions.h"

#include <charconv>

const char* const kSimHelp = R"(Usage: zrtpro-unitsim --eeprom FILE [options]

Plays an M-4400/M-4800 video switcher for the programming tool, speaking the
link protocol of docs/link-protocol.md, so that Read, Write, Verify and Set
Time can be tried and tested without hardware.

The first line written to standard output is the connection to give the tool:
  serial:/dev/pts/N       a new pseudo-terminal (the default); open it as a serial port
  tcp:127.0.0.1:PORT      with --tcp
The emulator serves one connection at a time, until it is stopped (Ctrl+C).

Options:
  --eeprom FILE      the unit's 65,536-byte memory. Created erased (all 0xFF) when
                     missing. Every change is written through to the file at once
                     and atomically (a new file renamed over the old one), so the
                     file is always whole, even when the emulator is killed.
  --password TEXT    the unit's password (at most 9 characters), placed in its
                     password cells 0xFFD0-0xFFD8 at start. Without it the cells in
                     the file decide; erased cells mean no password, and then the
                     unit accepts any password.
  --tcp PORT         listen on 127.0.0.1:PORT instead of a pseudo-terminal
                     (0 picks a free port). Only the loopback address is used.
  --baud RATE        simulated line speed: bytes travel as on a real line at RATE
                     baud (10 bits a byte) in both directions; a reply is handed
                     over when its last byte would have arrived. 0 (the default)
                     means as fast as possible.
  --modem            answer as a Hayes modem first: echo what is typed, answer
                     every AT command line ("AT", "AT&F0", "AT&W0", "ATY0", any
                     initialization string) with OK, ATE0/ATE1 switch the echo,
                     lines not starting with AT are ignored. A dial command
                     (ATD...) answers "CONNECT <rate>" and the unit's frames
                     follow; the call ends with the tool's BYE message or when
                     the connection closes, and the modem takes commands again.
  --dial-result TEXT with --modem: a dial command answers TEXT instead of
                     CONNECT (for example BUSY, NO CARRIER, NO DIALTONE or ERROR)
                     and no call is made.
  --fault KIND:N     go wrong at the Nth EEPROM or clock message (opcodes 03, 04,
                     05, 2C, 2F), counted from 1 since start; may be repeated:
                       drop     no reply to that message (the tool times out)
                       corrupt  the reply has a wrong check byte
                       short    the reply is one byte shorter (a valid frame of the
                                wrong length)
                       stall    no reply to that message or any after it
                       hangup   close the line before carrying it out, and exit
                       die      kill itself (SIGKILL) before carrying it out
                       trickle  send the reply one byte at a time, with a pause
                                of --byte-gap between bytes
  --byte-gap MS      the pause between the bytes of a trickled reply, 0 to
                     10000 milliseconds (20 by default)
  --weak-cell ADDR   the cell at ADDR (hexadecimal, 0-FFFF) keeps what is written to
                     it with every bit inverted, as a worn memory cell would, so that
                     a verify finds it; may be repeated
  --help             show this text
  --version          show the version

Examples:
  zrtpro-unitsim --eeprom unit.bin --password 1234
  zrtpro-unitsim --eeprom unit.bin --tcp 4001 --baud 9600
  zrtpro-unitsim --eeprom unit.bin --modem --fault drop:100
)";

namespace {

std::optional<long> Number(const std::string& text, long low, long high) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<SimFault> ParseFault(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string kind = text.substr(0, colon);
    const auto n = Number(text.substr(colon + 1), 1, 1000000000L);
    if (!n) return std::nullopt;
    SimFault fault;
    fault.m_nMessage = *n;
    if (kind == "drop")
        fault.m_kind = SimFault::Kind::Drop;
    else if (kind == "corrupt")
        fault.m_kind = SimFault::Kind::Corrupt;
    else if (kind == "short")
        fault.m_kind = SimFault::Kind::Short;
    else if (kind == "stall")
        fault.m_kind = SimFault::Kind::Stall;
    else if (kind == "hangup")
        fault.m_kind = SimFault::Kind::Hangup;
    else if (kind == "die")
        fault.m_kind = SimFault::Kind::Die;
    else if (kind == "trickle")
        fault.m_kind = SimFault::Kind::Trickle;
    else
        return std::nullopt;
    return fault;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.m_bHelp = true;
            return options;
        }
        if (arg == "--version") {
            options.m_bVersion = true;
            return options;
        }
        if (arg == "--modem") {
            options.m_bModem = true;
            continue;
        }
        const bool takesValue = arg == "--eeprom" || arg == "--password" || arg == "--tcp" ||
                                arg == "--baud" || arg == "--fault" || arg == "--dial-result" ||
                                arg == "--byte-gap" || arg == "--weak-cell";
        if (!takesValue) {
            error = "unknown argument " + arg;
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (arg == "--eeprom") {
            options.m_strEeprom = value;
        } else if (arg == "--password") {
            if (value.size() > 9) {
                error = "the password has at most 9 characters";
                return std::nullopt;
            }
            options.m_password = value;
        } else if (arg == "--dial-result") {
            if (value.empty() || value.find_first_of("\r\n") != std::string::npos) {
                error = "--dial-result needs a one-line result code";
                return std::nullopt;
            }
            options.m_strDialResult = value;
        } else if (arg == "--tcp") {
            const auto port = Number(value, 0, 65535);
            if (!port) {
                error = "--tcp needs a port number from 0 to 65535";
                return std::nullopt;
            }
            options.m_bTcp = true;
            options.m_nTcpPort = static_cast<int>(*port);
        } else if (arg == "--baud") {
            const auto baud = Number(value, 0, 10000000L);
            if (!baud) {
                error = "--baud needs a rate from 0 to 10000000";
                return std::nullopt;
            }
            options.m_nBaud = static_cast<int>(*baud);
        } else if (arg == "--fault") {
            const auto fault = ParseFault(value);
            if (!fault) {
                error =
                    "--fault needs KIND:N, KIND one of drop, corrupt, short, stall, hangup, die, "
                    "trickle";
                return std::nullopt;
            }
            options.m_faults.push_back(*fault);
        } else if (arg == "--byte-gap") {
            const auto gap = Number(value, 0, 10000);
            if (!gap) {
                error = "--byte-gap needs a pause from 0 to 10000 milliseconds";
                return std::nullopt;
            }
            options.m_nByteGapMs = static_cast<int>(*gap);
        } else if (arg == "--weak-cell") {
            uint16_t address = 0;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), address, 16);
            if (value.empty() || ec != std::errc() || end != value.data() + value.size()) {
                error = "--weak-cell needs a cell address from 0 to FFFF";
                return std::nullopt;
            }
            options.m_weakCells.push_back(address);
        }
    }
    if (options.m_strEeprom.empty()) {
        error = "--eeprom FILE is required";
        return std::nullopt;
    }
    return options;
}
