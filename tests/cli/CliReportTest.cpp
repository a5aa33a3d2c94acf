#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/CliFixture.h"
#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/PdfText.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliReportTest : public CliFixture {
protected:
    // An 8-port system with two camera interface units, numbered from 101.
    std::string SaveEightPorts() {
        return SaveConfig("plant.zrt", 8, 2, 100, [](CZRTProDoc& doc) {
            doc.m_nodes[4].m_strName = "Lobby          ";
            doc.m_nodes[52].m_strName = "Loading dock   ";  // exp 2, inp 24
            doc.m_nodes[58].m_strName = "Gate           ";  // Input 8
            doc.m_idleLoop = {"101", "148", "999"};
        });
    }
};

// zrtpro-cli with the environment settings `env` in front ("LANGUAGE=de ").
ProgramRun CliIn(const std::string& env, const std::string& args) {
    return RunProgram(env + ZRTPRO_CLI + " " + args);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(CliReportTest, EightPortReportAsPdf) {
    const std::string zrt = SaveEightPorts();
    const std::string pdf = m_dir.PathOf("plant.pdf");
    const ProgramRun run = Cli("report " + zrt + " -o " + pdf);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;

    // The document title a PDF viewer shows is the report's first line.
    EXPECT_TRUE(Contains(RunProgram("pdfinfo '" + pdf + "'").m_strOut,
                         "Title:           NEXIL Program Data For: " + zrt));
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    for (size_t p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(Contains(pages[p], "NEXIL Program Data For: " + zrt)) << pages[p];
        EXPECT_TRUE(Contains(pages[p], "Page " + std::to_string(p + 1))) << pages[p];
    }
    for (const char* part :
         {"System:", "M-7700X Installed?: Yes", "Number of EM-4500 Video Camera Interface Units: 2",
          "Settings:", "Priority, highest first: PC,Phone", "Video Out 1: 501", "Video Out 4: 504",
          "Idle Loop:", "Delay: 3 Seconds", "ArchNumbers:", "Input 1", "exp 1, inp 1:", "Lobby"})
        EXPECT_TRUE(Contains(pages[0], part)) << part << "\n" << pages[0];
    for (const char* part :
         {"Input 2 continued,", "exp 2, inp 24:", "Loading dock", "Input 8, Direct:", "Gate"})
        EXPECT_TRUE(Contains(pages[1], part)) << part << "\n" << pages[1];
}

TEST_F(CliReportTest, PathsAreShownAsTheyAreTyped) {
    // A folder and a file named with letters outside ASCII, named relative to
    // the working folder: the heading and the PDF's title show the full path,
    // each letter as typed (the system's UTF-8).
    std::filesystem::create_directory(m_dir.PathOf("Sch\u00fcle"));
    const std::string zrt =
        SaveConfig("Sch\u00fcle/Z\u00fcrich Nord.zrt", 4, 0, 10, [](CZRTProDoc& doc) {
            doc.m_nodes[3].m_strName = "Z\xFCrich";  // a name stays the unit's Latin-1
        });
    const ProgramRun run =
        RunProgram("cd '" + m_dir.Path().string() + "' && " + std::string(ZRTPRO_CLI) +
                   " report 'Sch\u00fcle/Z\u00fcrich Nord.zrt' -o r.pdf");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    const std::string pdf = m_dir.PathOf("r.pdf");
    EXPECT_TRUE(Contains(RunProgram("pdfinfo '" + pdf + "'").m_strOut,
                         "Title:           NEXIL Program Data For: " + zrt));
    const auto pages = PdfPages(pdf);
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(Contains(pages[0], "NEXIL Program Data For: " + zrt)) << pages[0];
    EXPECT_TRUE(Contains(pages[0], "Z\u00fcrich")) << pages[0];
    EXPECT_FALSE(Contains(pages[0], "\u00c3")) << pages[0];
}

TEST_F(CliReportTest, FailedReportLeavesTheOldFile) {
    const std::string zrt = SaveEightPorts();
    const std::string pdf = m_dir.PathOf("missing-folder/plant.pdf");
    ProgramRun run = Cli("report " + zrt + " -o " + pdf);
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(Contains(run.m_strErr, "Cannot write the report to " + pdf)) << run.m_strErr;

    const std::string old = m_dir.PathOf("old.pdf");
    std::ofstream(old) << "old";
    run = Cli("report " + m_dir.PathOf("absent.zrt") + " -o " + old);
    EXPECT_EQ(run.m_nStatus, 1);
    std::ifstream in(old);
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "old");
}

TEST_F(CliReportTest, UsageErrors) {
    const std::string zrt = SaveEightPorts();
    for (const std::string& args :
         std::vector<std::string>{"report " + zrt, "report -o x.pdf", "report " + zrt + " -o",
                                  "report " + zrt + " -o x.pdf --paper B5"})
        EXPECT_EQ(Cli(args).m_nStatus, 2) << args;
}

// The report in the person's language, chosen as Qt reads LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG; English, C and a language without a translation keep
// the English texts exactly.
TEST_F(CliReportTest, ReportInTheSystemsLanguage) {
    const std::string zrt = SaveEightPorts();
    const std::string pdf = m_dir.PathOf("plant.pdf");
    const std::string clean = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG ";
    const std::vector<const char*> german = {"NEXIL-Programmdaten f\xC3\xBCr: ",
                                             "Seite 1",
                                             "M-7700X eingebaut?: Ja",
                                             "Anzahl der EM-4500-Kamera-Schnittstelleneinheiten: 2",
                                             "Einstellungen:",
                                             "Vorrang, h\xC3\xB6\x63hster zuerst: PC, Telefon",
                                             "Videoausgang 1: 501",
                                             "Ruheschleife:",
                                             "Verweildauer: 3 Sekunden",
                                             "Arch Numbers:"};
    for (const char* env :
         {"LANGUAGE=de", "LANG=de_DE.UTF-8", "LC_ALL=de_AT.UTF-8", "LANG=C LANGUAGE=de_CH:en"}) {
        ASSERT_EQ(CliIn(clean + env + " ", "report " + zrt + " -o " + pdf).m_nStatus, 0) << env;
        const auto pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 2u) << env;
        for (const char* part : german) EXPECT_TRUE(Contains(pages[0], part)) << env << part;
        EXPECT_TRUE(Contains(pages[1], "Eingang 2 Fortsetzung,")) << pages[1];
        EXPECT_TRUE(Contains(pages[1], "Eingang 8, direkt:")) << pages[1];
        EXPECT_TRUE(Contains(pages[1], "Erw. 2, Eing. 4:")) << pages[1];
        EXPECT_FALSE(Contains(pages[0], "Settings:")) << pages[0];
    }
    for (const char* env : {"LANGUAGE=en", "LC_ALL=C", "LANGUAGE=fr", "LANGUAGE=en:de", ""}) {
        ASSERT_EQ(CliIn(clean + env + " ", "report " + zrt + " -o " + pdf).m_nStatus, 0) << env;
        const auto pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 2u) << env;
        for (const char* part : {"NEXIL Program Data For: ", "Page 1", "Settings:",
                                 "Priority, highest first: PC,Phone", "Video Out 1: 501"})
            EXPECT_TRUE(Contains(pages[0], part)) << env << part;
        for (const char* part : {"Input 2 continued,", "exp 2, inp 4:", "Input 8, Direct:"})
            EXPECT_TRUE(Contains(pages[1], part)) << env << part;
    }

    const ProgramRun failed =
        CliIn(clean + "LANGUAGE=de ", "report " + zrt + " -o " + m_dir.PathOf("none/p.pdf"));
    EXPECT_EQ(failed.m_nStatus, 1);
    EXPECT_TRUE(
        Contains(failed.m_strErr, "Der Bericht kann nicht nach " + m_dir.PathOf("none/p.pdf")))
        << failed.m_strErr;

    // The pseudo-language: longer texts between brackets, with accents.
    ASSERT_EQ(CliIn(clean + "LANGUAGE=en_XA ", "report " + zrt + " -o " + pdf).m_nStatus, 0);
    EXPECT_TRUE(Contains(PdfPages(pdf)[0],
                         "[\xC5\xA0\xC3\xA9\xC5\xA3\xC5\xA3\xC3\xAD\xC3\xB1\xC4\x9D\xC5\xA1:"))
        << PdfPages(pdf)[0];
}

// Where XDG_RUNTIME_DIR is unset (a root shell, ssh, cron) standard error still
// carries nothing but the command's own messages.
TEST_F(CliReportTest, NoQtNoticeOnStandardErrorWithoutARuntimeFolder) {
    const std::string zrt = SaveEightPorts();
    const ProgramRun run =
        RunProgram("env -u XDG_RUNTIME_DIR TMPDIR='" + m_dir.Path().string() + "' " + ZRTPRO_CLI +
                   " report " + zrt + " -o " + m_dir.PathOf("plant.pdf"));
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_EQ(run.m_strErr, "");
}
