#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/CliFixture.h"
#include "model/FileIo.h"
#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliCsvTest : public CliFixture {
protected:
    // Saves a 4-port configuration numbered 11 to 14, input 2 named "Café", input 4
    // non-pageable.
    std::string SaveSite() {
        return SaveConfig("site.zrt", 4, 0, 10, [](CZRTProDoc& doc) {
            doc.m_nodes[4].m_strName = "Caf\xE9";
            doc.m_nodes[6].MakeNonPageable();
        });
    }

    std::string WriteCsv(const std::string& text) {
        const std::string path = m_dir.PathOf("rooms.csv");
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

}  // namespace

TEST_F(CliCsvTest, ExportThenImportBackChangesNothing) {
    const std::string site = SaveSite();
    const std::string csv = m_dir.PathOf("inputs.csv");
    ProgramRun run = Cli("export-csv " + site + " -o " + csv);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(ReadWholeFile(csv, 1 << 16).value_or(""),
              "port,unit,input,arch,original_arch,name,pageable\r\n1,,,11,11,,yes\r\n"
              "2,,,12,12,Caf\xC3\xA9,yes\r\n3,,,13,13,,yes\r\n4,,,14,14,,no\r\n");

    const std::string back = m_dir.PathOf("back.zrt");
    run = Cli("import-csv " + site + " " + csv + " -o " + back);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    run = Cli("diff " + site + " " + back);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strOut;
}

TEST_F(CliCsvTest, ImportWritesOnlyWhatItAccepted) {
    const std::string site = SaveSite();
    const std::string out = m_dir.PathOf("new.zrt");
    ProgramRun run =
        Cli("import-csv " + site + " " + WriteCsv("port,unit,input,arch\n3,,,77\n") + " -o " + out);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    run = Cli("diff " + site + " " + out);
    // The number the input left is unassigned now; the original stays.
    EXPECT_EQ(run.m_strOut, "Input 3 Arch Number: 13 | 77\nUnassigned 13:  | unassigned\n");

    const std::string refused = m_dir.PathOf("refused.zrt");
    const std::string badCsv = WriteCsv("port;unit;input;arch\n3;;;77\n5;;;78\n2;;;7A\n");
    run = Cli("import-csv " + site + " " + badCsv + " -o " + refused);
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, badCsv +
                                ": the file is refused, nothing was changed:\n"
                                "line 3, column port: no such input in this configuration; the "
                                "export lists every input there is\n"
                                "line 4, column arch: \"7A\" is not an Arch Number; 1 to 4 "
                                "characters, each a digit, \"#\" or \"*\"\n");
    EXPECT_FALSE(std::filesystem::exists(refused));

    // Two inputs sharing a number are never written.
    run = Cli("import-csv " + site + " " + WriteCsv("port,unit,input,arch\n3,,,14\n") + " -o " +
              refused);
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_NE(run.m_strErr.find("2 inputs would share 14\n"), std::string::npos) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find("Arch number conflicts exist"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(refused));
}

// Names are the unit's Latin-1; every text the tool prints is UTF-8.
TEST_F(CliCsvTest, NamesArePrintedAsUtf8) {
    const std::string site = SaveSite();
    ProgramRun run = Cli("show " + site);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_NE(run.m_strOut.find("Input 2, 12  Caf\xC3\xA9"), std::string::npos) << run.m_strOut;

    const std::string renamed = m_dir.PathOf("renamed.zrt");
    run = Cli("import-csv " + site + " " + WriteCsv("port,unit,input,name\n2,,,Caf\xE9s\n") +
              " -o " + renamed);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    run = Cli("diff " + site + " " + renamed);
    EXPECT_EQ(run.m_strOut, "Input 2 name: Caf\xC3\xA9 | Caf\xC3\xA9s\n");
    run = Cli("show " + renamed + " --json");
    EXPECT_NE(run.m_strOut.find("\"Caf\xC3\xA9s"), std::string::npos);
}
