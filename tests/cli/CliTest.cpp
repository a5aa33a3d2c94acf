#include <gtest/gtest.h>

#include <filesystem>

#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/RunProgram.h"

namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("zrtcli-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Saves a 4-port configuration numbered 11 to 14, with `arch4` on input 4.
    std::string SaveSite(const std::string& arch4) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, 4, 0, 10);
        doc.m_nodes[6].m_strArch = arch4;
        doc.m_nodes[4].m_strName = "Caf\xE9";
        doc.m_zones.push_back({"40", "Spare \"A\"", 9});
        const std::string path = (m_dir / "site.zrt").string();
        ScriptedPrompter prompter;
        EXPECT_TRUE(SaveZrtFile(doc, path, prompter));
        return path;
    }

    ProgramRun Cli(const std::string& args) {
        return RunProgram(std::string(ZRTPRO_CLI) + " " + args);
    }

    std::filesystem::path m_dir;
};

}  // namespace

TEST_F(CliTest, ShowJsonUsesTheModelsNames) {
    const ProgramRun run = Cli("show --json " + SaveSite("14"));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    for (const char* part :
         {"\"m_nPortCount\":4,", "\"m_idleLoop\":[\"11\"]", "\"m_adminArch\":[501,502,503,504]",
          "{\"m_strArch\":\"12\",\"m_strName\":\"Caf\xC3\xA9\",\"m_nZoneId\":1,"
          "\"m_strOrigArch\":\"12\",\"m_nOrigZoneId\":1,\"m_strOrigName\":\"\","
          "\"m_nInputCode\":32,\"m_nSignedCode\":32,\"m_strLabel\":\"Input 2\"}",
          "\"m_zones\":[{\"m_strArch\":\"40\",\"m_strName\":\"Spare \\\"A\\\"\",\"m_nZoneId\":9}]"})
        EXPECT_NE(run.m_strOut.find(part), std::string::npos) << part << "\n" << run.m_strOut;
}

TEST_F(CliTest, ConflictsExitWithOneWhenInputsShareANumber) {
    ProgramRun run = Cli("conflicts " + SaveSite("14"));
    EXPECT_EQ(run.m_nStatus, 0);
    run = Cli("conflicts " + SaveSite("12"));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strOut, "\r\nInput 2, 12  Caf\xE9\r\n conflicts:\r\n   Input 4, 12   \r\n");
}

TEST_F(CliTest, FailuresAndUsageErrors) {
    ProgramRun run = Cli("show " + (m_dir / "none.zrt").string());
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "Failed to open document.\n");

    for (const char* args : {"", "bogus", "show", "show a b", "show --colour x.zrt", "conflicts"}) {
        run = Cli(args);
        EXPECT_EQ(run.m_nStatus, 2) << args;
        EXPECT_FALSE(run.m_strErr.empty()) << args;
    }
    run = Cli("show --json");
    EXPECT_EQ(std::count(run.m_strErr.begin(), run.m_strErr.end(), '\n'), 1);
}
