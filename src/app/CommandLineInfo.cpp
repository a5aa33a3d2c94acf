#include "app/CommandLineInfo.h"

#include <cstring>
#include <iostream>

#include "Version.h"
#include "lang/ProgramLanguage.h"
#include "model/Translate.h"

namespace {

//: `zrtpro --help`. Keep "zrtpro", "zrtpro-cli", the options and the command in
//: quotes as they are; FILE is a placeholder. "Arch Number" is the product's own term.
const char* const kUsage = ZRT_TRANSLATE_NOOP(
    "AppCommandLine",
    "Usage: zrtpro [FILE.zrt]\n"
    "\n"
    "Opens the window of the NEXIL Video Switcher Programming Tool, which describes\n"
    "an installation of M-4400 or M-4800 video switchers with their camera interface\n"
    "units, imports the site's paging-system programming, finds Arch Number\n"
    "conflicts, saves the configuration in .zrt files and writes it into the\n"
    "switcher over a serial line, a modem or the network.\n"
    "\n"
    "FILE.zrt is opened at start. Only one window runs per user: starting the tool\n"
    "again brings that window to the front, and it opens FILE.zrt when one is named.\n"
    "The window needs a display; zrtpro-cli runs every operation from a shell.\n"
    "\n"
    "A serial port may be opened only by members of its group, dialout on Debian\n"
    "and Ubuntu: add yourself once with \"sudo adduser $USER dialout\", then log out\n"
    "and in again.\n"
    "\n"
    "Options:\n"
    "  --help       show this text\n"
    "  --version    show the version\n"
    "Qt's own options (for example -platform offscreen) are accepted too.\n");

}  // namespace

std::optional<int> AnswerInfoOption(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        // In the person's language; the window loads it again for itself.
        const ProgramLanguage language;
        std::cout << Tr("AppCommandLine", kUsage);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "zrtpro " << kZrtVersion << '\n';
        return 0;
    }
    return std::nullopt;
}
