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
    EXPECT_EQ(run.m_strOut,
              "Input 3 Arch Number: 13 | 77\nInput 3 original Arch Number: 13 | 77\n");

    const std::string refused = m_dir.PathOf("refused.zrt");
    const std::string badCsv = WriteCsv("port,unit,input,arch\n3,,,77\n5,,,78\n");
    run = Cli("import-csv " + site + " " + badCsv + " -o " + refused);
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr,
              badCsv + ": line 3, column port: no such input in this configuration\n");
    EXPECT_FALSE(std::filesystem::exists(refused));

    // Two inputs sharing a number are never written.
    run = Cli("import-csv " + site + " " + WriteCsv("port,unit,input,arch\n3,,,14\n") + " -o " +
              refused);
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_NE(run.m_strErr.find("Arch number conflicts exist"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(refused));
}
