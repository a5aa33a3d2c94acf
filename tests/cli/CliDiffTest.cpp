#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliDiffTest : public CliFixture {
protected:
    // Saves a 4-port configuration numbered 11 to 14 as `name`, input 2 called `name2`.
    std::string SaveSite(const std::string& name, const std::string& name2) {
        return SaveConfig(name, 4, 0, 10, [&](CZRTProDoc& doc) {
            doc.m_nodes[4].m_strName = name2;
            doc.m_nPagingSystem = kPagingQuillon;
            doc.m_nDialDigits = 2;
        });
    }
};

}  // namespace

TEST_F(CliDiffTest, ExitsAsDiffDoes) {
    const std::string a = SaveSite("a.zrt", "Caf\xE9");
    const std::string same = SaveSite("same.zrt", "Caf\xE9");
    const std::string b = SaveSite("b.zrt", "Gym");

    ProgramRun run = Cli("diff " + a + " " + same);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strOut, "");

    run = Cli("diff " + a + " " + b);
    EXPECT_EQ(run.m_nStatus, 1) << run.m_strErr;
    EXPECT_EQ(run.m_strOut, "Input 2 name: Caf\xC3\xA9 | Gym\n");

    run = Cli("diff --json " + a + " " + b);
    EXPECT_EQ(run.m_nStatus, 1) << run.m_strErr;
    EXPECT_EQ(run.m_strOut,
              "[{\"item\":\"Input 2 name\",\"this\":\"Caf\xC3\xA9\",\"other\":\"Gym\"}]\n");

    run = Cli("diff " + a + " " + m_dir.PathOf("none.zrt"));
    EXPECT_EQ(run.m_nStatus, 2);
    EXPECT_EQ(run.m_strErr, "Failed to open document.\n");
    EXPECT_EQ(run.m_strOut, "");

    run = Cli("diff " + a);
    EXPECT_EQ(run.m_nStatus, 2);
    EXPECT_FALSE(run.m_strErr.empty());
}

TEST_F(CliDiffTest, ComparesWithWhatTheUnitHolds) {
    const std::string unit = "--connect unitsim:" + m_dir.PathOf("unit.bin");
    const std::string a = SaveSite("a.zrt", "Caf\xE9");
    ProgramRun run = Cli("diff " + a + " " + unit);
    EXPECT_EQ(run.m_nStatus, 2) << "an erased unit is an error";
    EXPECT_EQ(run.m_strOut, "");

    run = Cli("write " + a + " " + unit);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    run = Cli("diff " + a + " " + unit);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strOut << run.m_strErr;
    run = Cli("diff " + SaveSite("b.zrt", "Gym") + " " + unit);
    EXPECT_EQ(run.m_nStatus, 1) << run.m_strErr;
    EXPECT_EQ(run.m_strOut, "Input 2 name: Gym | Caf\xC3\xA9\n");

    run = Cli("diff " + a + " " + a + " " + unit);
    EXPECT_EQ(run.m_nStatus, 2);
}
