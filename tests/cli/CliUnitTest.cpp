#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliUnitTest : public CliFixture {
protected:
    void SetUp() override {
        const ProgramRun run =
            Cli("new --system quillon --digits 2 --expansion 3 --ports 8 --ciu 2 -o " + Site());
        ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    }
    std::string Site() { return m_dir.PathOf("site.zrt"); }
    std::string Unit() { return "unitsim:" + m_dir.PathOf("unit.bin"); }
};

}  // namespace

TEST_F(CliUnitTest, WriteThenReadGivesTheSameConfiguration) {
    ProgramRun run =
        Cli("write " + Site() + " --connect " + Unit() + " --new-password s3cret --verify");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(std::filesystem::file_size(m_dir.PathOf("unit.bin")), 65536u);
    // Standard error is no terminal here: plain percentages, one a line.
    EXPECT_NE(run.m_strErr.find("\n99%\n"), std::string::npos);

    run = Cli("read --connect " + Unit() + " --password s3cret --ports 8 -o " +
              m_dir.PathOf("back.zrt"));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(Inputs(m_dir.PathOf("back.zrt")), Inputs(Site()));

    run = Cli("set-time --connect " + Unit() + " --password s3cret");
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
}

TEST_F(CliUnitTest, AWrongPasswordIsRefusedAndNothingIsWritten) {
    ASSERT_EQ(Cli("write " + Site() + " --connect " + Unit() + " --new-password abc").m_nStatus, 0);
    const ProgramRun run = Cli("read --connect " + Unit() + " --password xyz --ports 8 -o " +
                               m_dir.PathOf("back.zrt"));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "Error - Failed to connect to unit\n\nPassword rejected by unit\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir.PathOf("back.zrt")));
}

TEST_F(CliUnitTest, UsageErrors) {
    for (const std::string& args :
         std::vector<std::string>{"write", "write " + Site(), "write " + Site() + " --connect",
                                  "read --connect " + Unit() + " -o x.zrt",
                                  "read --connect " + Unit() + " --ports 6 -o x", "set-time",
                                  "set-time --connect " + Unit() + " extra"}) {
        const ProgramRun run = Cli(args);
        EXPECT_EQ(run.m_nStatus, 2) << args;
        EXPECT_EQ(std::count(run.m_strErr.begin(), run.m_strErr.end(), '\n'), 1) << args;
    }
    const ProgramRun run = Cli("write " + Site() + " --connect serial");
    EXPECT_EQ(run.m_nStatus, 1);
}
