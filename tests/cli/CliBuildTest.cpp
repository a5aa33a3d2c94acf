#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "import/LunettaFolder.h"
#include "import/M7700Database.h"
#include "import/QpxFile.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliBuildTest : public CliFixture {
protected:
    // Builds with `args` into out.zrt and returns its JSON.
    std::string BuildJson(const std::string& args) {
        const ProgramRun run = Cli(args + " -o " + m_dir.PathOf("out.zrt"));
        EXPECT_EQ(run.m_nStatus, 0) << args << "\n" << run.m_strErr;
        return Cli("show --json " + m_dir.PathOf("out.zrt")).m_strOut;
    }
    static bool Has(const std::string& json, const std::string& part) {
        return json.find(part) != std::string::npos;
    }
};

}  // namespace

TEST_F(CliBuildTest, NewBuildsEachSystemsDialingPlan) {
    struct Case {
        const char* args;
        const char* system;
        const char* firstInput;
        const char* lastPoolZone;
        const char* pastThePlan;
    };
    // Quillon, 2 digits, 1 card: 24 zones from 11; Lunetta, 1 card: 24 from 101
    // (its digits are not asked); M-7700, 3 digits, no unit: 24 from 101.
    const Case cases[] = {
        {"--system quillon --digits 2 --expansion 1", "\"m_nPagingSystem\":1,", "11", "34", "35"},
        {"--system lunetta --digits 9 --expansion 1", "\"m_nPagingSystem\":2,", "101", "124",
         "125"},
        {"--system m7700 --digits 3 --expansion 0", "\"m_nPagingSystem\":3,", "101", "124", "125"},
    };
    for (const Case& c : cases) {
        const std::string json = BuildJson(std::string("new ") + c.args + " --ports 4 --ciu 0");
        EXPECT_TRUE(Has(json, c.system)) << c.args;
        EXPECT_TRUE(Has(json, "\"m_nConfigSource\":5,")) << c.args;
        EXPECT_TRUE(Has(json, std::string("\"m_strLabel\":\"Input 1\"}")));
        EXPECT_TRUE(Has(json, std::string("{\"m_strArch\":\"") + c.firstInput + "\"")) << c.args;
        EXPECT_TRUE(Has(json, std::string("{\"m_strArch\":\"") + c.lastPoolZone + "\"")) << c.args;
        EXPECT_FALSE(Has(json, std::string("{\"m_strArch\":\"") + c.pastThePlan + "\"")) << c.args;
    }
}

TEST_F(CliBuildTest, WizardChecksRefuseWithTheirMessages) {
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"--system quillon --digits 2 --expansion 4 --ports 4 --ciu 0",
         "For Quillon systems, when the number of dial plan digits is 2 the maximum number of "
         "expansion ports is 3.\n\nPlease enter a value of 3 or less\n"},
        {"--system quillon --digits 2 --expansion 1 --ports 4 --ciu 5", nullptr},
        {"--system m7700 --digits 4 --expansion 1 --ports 8 --ciu 0", nullptr},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Cli(std::string("new ") + c.args + " -o " + m_dir.PathOf("x.zrt"));
        EXPECT_EQ(run.m_nStatus, 1) << c.args;
        EXPECT_FALSE(run.m_strErr.empty()) << c.args;
        if (c.message) {
            EXPECT_EQ(run.m_strErr, c.message);
        }
        EXPECT_FALSE(std::filesystem::exists(m_dir.PathOf("x.zrt")));
    }
}

TEST_F(CliBuildTest, ImportEachKind) {
    // Quillon: zone 0 dials 1, 2, 0 (least significant nibble first).
    const std::string qpx = m_dir.Write("site.qpx", QpxFile(3).Zone(0, 0x00, 0xF021).Bytes());
    std::string json = BuildJson("import quillon " + qpx + " --ports 4 --ciu 0");
    EXPECT_TRUE(Has(json, "\"m_nPagingSystem\":1,\"m_nConfigSource\":4,\"m_nDialDigits\":2,"));
    EXPECT_TRUE(Has(json, "{\"m_strArch\":\"120\"")) << json;

    // Lunetta: board 1 installed, station 201 "Hall", administrators 601-604.
    using namespace LunettaFolder;
    m_dir.Write("TDX_FILE.DAT", TdxFile({"0"}));
    m_dir.Write("tdx_admn.usr", AdminFile({{6, 1}, {6, 2}, {6, 3}, {6, 4}}));
    m_dir.Write("tdx_bd01.usr", BoardFile({{0x02, 0x01, "Hall"}}));
    json = BuildJson("import lunetta " + m_dir.PathOf("tdx_bd01.usr") + " --ports 8 --ciu 1");
    EXPECT_TRUE(Has(json, "\"m_nPagingSystem\":2,")) << json;
    EXPECT_TRUE(Has(json, "\"m_adminArch\":[601,602,603,604]")) << json;
    EXPECT_TRUE(Has(json, "{\"m_strArch\":\"201\",\"m_strName\":\"Hall\"")) << json;

    // M-7700: one station dialled " 207".
    using J = JetDatabase;
    const std::string mdb = m_dir.Write(
        "site.mdb",
        M7700Database::Site(2, {{J::Byte(7), J::Text("Front desk"), J::Text(" 207")}}).Bytes());
    json = BuildJson("import m7700 " + mdb + " --ports 4 --ciu 0");
    EXPECT_TRUE(Has(json, "\"m_nPagingSystem\":3,")) << json;
    EXPECT_TRUE(Has(json, "{\"m_strArch\":\"207\",\"m_strName\":\"Front desk\"")) << json;
}

TEST_F(CliBuildTest, ImportFailuresWriteNothing) {
    ProgramRun run = Cli("import quillon " + m_dir.PathOf("none.qpx") + " --ports 4 --ciu 0 -o " +
                         m_dir.PathOf("x.zrt"));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_FALSE(run.m_strErr.empty());
    EXPECT_FALSE(std::filesystem::exists(m_dir.PathOf("x.zrt")));

    // A Lunetta folder without its station list says what is missing.
    std::filesystem::create_directory(m_dir.PathOf("empty"));
    run = Cli("import lunetta " + m_dir.PathOf("empty") + " --ports 4 --ciu 0 -o " +
              m_dir.PathOf("x.zrt"));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "unable to open file " + m_dir.PathOf("empty") + "/TDX_FILE.DAT\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir.PathOf("x.zrt")));

    for (const char* args : {"import", "import quillon", "import cobol x --ports 4 --ciu 0 -o y",
                             "import quillon x --ports 5 --ciu 0 -o y", "new --system quillon",
                             "new --system bell --digits 2 --expansion 1 --ports 4 --ciu 0 -o y"}) {
        run = Cli(args);
        EXPECT_EQ(run.m_nStatus, 2) << args;
        EXPECT_EQ(std::count(run.m_strErr.begin(), run.m_strErr.end(), '\n'), 1) << args;
    }
}
