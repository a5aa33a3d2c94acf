#include "cli/ImageCommands.h"

#include <iostream>
#include <string_view>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/CliMessages.h"
#include "model/FileIo.h"
#include "model/Format.h"
#include "model/ZrtFile.h"
#include "unit/BuildUnitImage.h"
#include "unit/DecodeUnitImage.h"
#include "unit/ImageFitCheck.h"
#include "unit/UnitImageLayout.h"

namespace {

int RunImage(const CliArgs& args) {
    if (args.Positionals().size() != 1 || !args.Has("o")) return kExitUsage;
    CliDocument cli;
    if (!cli.Open(args.Positionals()[0])) return kExitFailed;
    if (!CheckUnitImageFits(cli.m_doc, cli.m_prompter)) return kExitFailed;
    const std::vector<uint8_t> image = BuildUnitImage(cli.m_doc, cli.m_prompter);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!WriteFileAtomically(args.Get("o"), bytes)) {
        std::cerr << StrFormat(Tr("Cli", CliMessages::kCannotWrite).c_str(), args.Get("o").c_str())
                  << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int RunDecode(const CliArgs& args) {
    const auto ports = ParseInt(args.Get("ports"), 4, 8);
    if (args.Positionals().size() != 1 || !args.Has("o") || !ports || (*ports != 4 && *ports != 8))
        return kExitUsage;
    const std::string& path = args.Positionals()[0];
    const auto bytes = ReadWholeFile(path, UnitImage::kSize);
    if (!bytes || bytes->size() != UnitImage::kSize) {
        std::cerr << StrFormat(Tr("Cli", CliMessages::kNotAnImage).c_str(), path.c_str(),
                               static_cast<int>(UnitImage::kSize))
                  << '\n';
        return kExitFailed;
    }
    CliDocument cli;
    cli.m_prompter.m_unitModel.m_nRows = *ports == 8 ? 2 : 1;
    std::string password;
    const std::span<const uint8_t> image(reinterpret_cast<const uint8_t*>(bytes->data()),
                                         bytes->size());
    if (!DecodeUnitImage(image, cli.m_doc, cli.m_tree, cli.m_prompter, password))
        return kExitFailed;
    return SaveZrtFile(cli.m_doc, args.Get("o"), cli.m_prompter) ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kImageCommand{
    "image",
    //: The arguments of `zrtpro-cli image`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "FILE.zrt -o IMAGE.bin"),
    //: `zrtpro-cli image --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP("Cli",
                       "Writes the unit memory image of a configuration, 65,536 bytes, as a write\n"
                       "would send it (the password and switches cells left erased, 0xFF)."),
    {"o"},
    {},
    RunImage};

const CliCommand kDecodeCommand{
    "decode",
    //: The arguments of `zrtpro-cli decode`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "IMAGE.bin --ports 4|8 -o FILE.zrt"),
    //: `zrtpro-cli decode --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Turns a unit memory image into a configuration file, as a read from the\n"
        "unit does; --ports answers the main unit model question (4: M-4400, 8: M-4800)."),
    {"o", "ports"},
    {},
    RunDecode};
