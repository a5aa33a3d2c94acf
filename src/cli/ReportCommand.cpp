#include "cli/ReportCommand.h"

#include <QGuiApplication>
#include <QPageSize>
#include <filesystem>
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliDocument.h"
#include "cli/CliLanguage.h"
#include "cli/CliMessages.h"
#include "report/PrintReport.h"
#include "report/pdf/ReportPdf.h"

namespace {

int RunReport(const CliArgs& args) {
    if (args.Positionals().size() != 1 || args.Get("o").empty()) return kExitUsage;
    const std::string paperName = args.Get("paper", "A4");
    if (paperName != "A4" && paperName != "Letter") return kExitUsage;
    const QPageSize paper(paperName == "A4" ? QPageSize::A4 : QPageSize::Letter);

    const std::string path = args.Positionals()[0];
    CliDocument cli;
    if (!cli.Open(path)) return kExitFailed;
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    if (!ec) cli.m_doc.SetPathName(absolute.lexically_normal().string());

    // Fonts and painting need a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "zrtpro-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    InstallCliLanguage();

    std::string error;
    if (!WriteReportPdf(cli.m_doc, args.Get("o"), paper, CurrentLocalTime(), cli.m_prompter,
                        error)) {
        std::cerr << error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

const CliCommand kReportCommand{
    "report",
    //: The arguments of `zrtpro-cli report`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "FILE.zrt -o REPORT.pdf [--paper A4|Letter]"),
    //: `zrtpro-cli report --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Writes the printed configuration report of FILE.zrt as a PDF file, on A4\n"
        "paper unless --paper Letter is given. The PDF is replaced only when it was\n"
        "written whole."),
    {"o", "paper"},
    {},
    RunReport};
