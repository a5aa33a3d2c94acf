#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliHistoryTest : public ::testing::Test {
protected:
    ProgramRun Cli(const std::string& args) {
        return RunProgram(std::string(ZRTPRO_CLI) + " " + args);
    }
    std::string Unit() { return "unitsim:" + m_dir.PathOf("unit.bin"); }
    std::string NewSite(const std::string& name, int ciu) {
        const std::string path = m_dir.PathOf(name);
        EXPECT_EQ(Cli("new --system quillon --digits 2 --expansion 3 --ports 8 --ciu " +
                      std::to_string(ciu) + " -o " + path)
                      .m_nStatus,
                  0);
        return path;
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The "path" values of `history --json`, newest first.
    std::vector<std::string> KeptPaths() {
        const std::string json = Cli("history --json").m_strOut;
        std::vector<std::string> paths;
        const std::regex path("\"path\": \"([^\"]+)\"");
        for (auto it = std::sregex_iterator(json.begin(), json.end(), path);
             it != std::sregex_iterator(); ++it)
            paths.push_back((*it)[1]);
        return paths;
    }

    TempDir m_dir;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(CliHistoryTest, WriteKeepsTheUnitFirstRefusesAnotherSiteAndRestorePutsItBack) {
    const std::string site = NewSite("site.zrt", 2);
    const std::string other = NewSite("other.zrt", 1);
    const std::string folder =
        std::string(std::getenv("XDG_DATA_HOME")) + "/NEXIL/NEXIL/unit-history/";

    ProgramRun run = Cli("write " + site + " --connect " + Unit());
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_TRUE(Contains(run.m_strErr, "Unit memory kept in " + folder)) << run.m_strErr;
    EXPECT_TRUE(
        Contains(run.m_strErr, "The unit is erased; writing puts this configuration in it."));
    const std::string siteMemory = Bytes(m_dir.PathOf("unit.bin"));

    // Another camera interface unit count: refused, nothing erased, the copy kept all the same.
    run = Cli("write " + other + " --connect " + Unit());
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(Contains(run.m_strErr, "The unit seems to hold another site's configuration.\n"))
        << run.m_strErr;
    EXPECT_EQ(Bytes(m_dir.PathOf("unit.bin")), siteMemory);

    run = Cli("write " + other + " --connect " + Unit() + " --force");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_TRUE(std::regex_search(
        run.m_strErr,
        std::regex("\n[0-9]+ differences between the unit and this configuration.\n")))
        << run.m_strErr;

    run = Cli("write " + other + " --connect " + Unit() + " --no-backup");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_FALSE(Contains(run.m_strErr, "Unit memory kept"));

    // Newest first: before the forced write (the site), before the refused
    // one (the site), before the first (erased).
    const std::string json = Cli("history --json").m_strOut;
    EXPECT_EQ(json.rfind("[\n {\"time\": \"", 0), 0u) << json;
    EXPECT_TRUE(std::regex_search(json, std::regex("\"time\": \"[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{"
                                                   "2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}\"")));
    // The site is the configuration being written; model and counts are what the unit held.
    EXPECT_TRUE(Contains(json, "\"kind\": \"before write\", \"connection\": \"" + Unit() +
                                   "\", \"site\": \"other.zrt\", \"model\": \"M-4800\", "
                                   "\"cameraUnits\": 2"))
        << json;
    EXPECT_TRUE(Contains(json, "\"erased\": true"));
    const std::vector<std::string> paths = KeptPaths();
    ASSERT_EQ(paths.size(), 3u) << json;
    // The unit shows its password cells erased; the rest is the unit's memory byte for byte.
    std::string shown = siteMemory;
    shown.replace(0xFFD0, 9, std::string(9, '\xFF'));
    EXPECT_EQ(Bytes(paths[0]), shown);
    EXPECT_EQ(Bytes(paths[2]), std::string(65536, '\xFF'));
    EXPECT_TRUE(Contains(Cli("history").m_strOut, "  before write  " + Unit() + "  other.zrt  "));
    // A person reads the list in their language; programs read the JSON in English.
    EXPECT_TRUE(Contains(Cli("history").m_strOut, "unit held: erased\n"));
    const std::string german =
        RunProgram("LANGUAGE=de " + std::string(ZRTPRO_CLI) + " history").m_strOut;
    EXPECT_TRUE(Contains(german, "  vor dem Schreiben  " + Unit() + "  other.zrt  ")) << german;
    EXPECT_TRUE(Contains(german, "Ger\xC3\xA4t enthielt: gel\xC3\xB6scht\n")) << german;
    EXPECT_EQ(RunProgram("LANGUAGE=de " + std::string(ZRTPRO_CLI) + " history --json").m_strOut,
              json);

    run = Cli("restore " + paths[0] + " --connect " + Unit() + " --verify");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(Bytes(m_dir.PathOf("unit.bin")), siteMemory);
    EXPECT_EQ(KeptPaths().size(), 4u);
    EXPECT_TRUE(Contains(Cli("history --json").m_strOut, "\"kind\": \"before restore\""));

    const std::string shortImage = m_dir.Write("short.bin", std::string(100, '\0'));
    run = Cli("restore " + shortImage + " --connect " + Unit());
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(Contains(run.m_strErr, "it must be exactly 65,536 bytes")) << run.m_strErr;
    EXPECT_EQ(Cli("restore --connect " + Unit()).m_nStatus, 2);
}

// --no-backup skips the kept copy only: another site is still refused without
// --force. A read keeps a copy as the window's does, and the history says
// what the unit held apart from what was then written.
TEST_F(CliHistoryTest, NoBackupStillChecksAndEveryReadKeepsACopy) {
    const std::string site = NewSite("site.zrt", 2);
    const std::string other = NewSite("other.zrt", 1);
    ASSERT_EQ(Cli("write " + site + " --connect " + Unit() + " --no-backup").m_nStatus, 0);
    EXPECT_TRUE(KeptPaths().empty());
    const std::string siteMemory = Bytes(m_dir.PathOf("unit.bin"));

    ProgramRun run = Cli("write " + other + " --connect " + Unit() + " --no-backup");
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_TRUE(Contains(run.m_strErr, "The unit seems to hold another site's configuration.\n"))
        << run.m_strErr;
    EXPECT_EQ(Bytes(m_dir.PathOf("unit.bin")), siteMemory);
    EXPECT_TRUE(KeptPaths().empty());

    run = Cli("read --connect " + Unit() + " --ports 8 -o " + m_dir.PathOf("read.zrt"));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_TRUE(Contains(run.m_strErr, "Unit memory kept in ")) << run.m_strErr;
    ASSERT_EQ(KeptPaths().size(), 1u);

    ASSERT_EQ(Cli("write " + other + " --connect " + Unit() + " --force").m_nStatus, 0);
    const std::string json = Cli("history --json").m_strOut;
    EXPECT_TRUE(Contains(json,
                         "\"site\": \"other.zrt\", \"model\": \"M-4800\", "
                         "\"cameraUnits\": 2"))
        << json;
    EXPECT_TRUE(Contains(json,
                         "\"partlyWritten\": false, \"held\": \"M-4800, 2 camera interface "
                         "units, 54 inputs\", \"written\": \"other.zrt\", \"sequence\": 2"))
        << json;
    EXPECT_TRUE(
        Contains(json, "\"kind\": \"read\", \"connection\": \"" + Unit() + "\", \"site\": \"\""));
    const std::string text = Cli("history").m_strOut;
    EXPECT_TRUE(Contains(text, "  before write  " + Unit() +
                                   "  other.zrt  unit held: M-4800, 2 camera interface units, "
                                   "54 inputs\n"))
        << text;

    const std::string help = Cli("history --help").m_strOut + Cli("write --help").m_strOut;
    EXPECT_TRUE(Contains(help, "by every read\n(this tool's and the window's)")) << help;
    EXPECT_TRUE(Contains(help, "--no-backup only skips keeping the copy")) << help;
}
