#include "app/CommandLineInfo.h"

#include <cstring>
#include <iostream>

#include "Version.h"

namespace {

const char* const kUsage = R"(Usage: zrtpro [FILE.zrt]

Opens the window of the NEXIL Video Switcher Programming Tool, which describes
an installation of M-4400 or M-4800 video switchers with their camera interface
units, imports the site's paging-system programming, finds Arch Number
conflicts, saves the configuration in .zrt files and writes it into the
switcher over a serial line, a modem or the network.

FILE.zrt is opened at start. Only one window runs per user: starting the tool
again brings that window to the front, and it opens FILE.zrt when one is named.
The window needs a display; zrtpro-cli runs every operation from a shell.

A serial port may be opened only by members of its group, dialout on Debian
and Ubuntu: add yourself once with "sudo adduser $USER dialout", then log out
and in again.

Options:
  --help       show this text
  --version    show the version
Qt's own options (for example -platform offscreen) are accepted too.
)";

}  // namespace

std::optional<int> AnswerInfoOption(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << kUsage;
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "zrtpro " << kZrtVersion << '\n';
        return 0;
    }
    return std::nullopt;
}
