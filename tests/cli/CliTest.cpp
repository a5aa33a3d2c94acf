#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>

#include "cli/CliFixture.h"
#include "model/FileIo.h"
#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class CliTest : public CliFixture {
protected:
    // Saves a 4-port configuration numbered 11 to 14, with `arch4` on input 4.
    std::string SaveSite(const std::string& arch4) {
        return SaveConfig("site.zrt", 4, 0, 10, [&](CZRTProDoc& doc) {
            doc.m_nodes[6].m_strArch = arch4;
            doc.m_nodes[4].m_strName = "Caf\xE9";
            doc.m_zones.push_back({"40", "Spare \"A\"", 9});
        });
    }
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
    EXPECT_EQ(run.m_strOut, "\r\nInput 2, 12  Caf\xC3\xA9\r\n conflicts:\r\n   Input 4, 12   \r\n");
}

TEST_F(CliTest, FailuresAndUsageErrors) {
    ProgramRun run = Cli("show " + m_dir.PathOf("none.zrt"));
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

TEST_F(CliTest, AFileNamedRelativelyIsNamedByItsFullPath) {
    std::filesystem::create_directory(m_dir.PathOf("Z\u00fcrich"));
    m_dir.Write("Z\u00fcrich/badver.zrt", std::string("\x01\x00\x00\x00", 4));
    const ProgramRun run = RunProgram("cd '" + m_dir.PathOf("Z\u00fcrich") + "' && " +
                                      std::string(ZRTPRO_CLI) + " show badver.zrt");
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "Cannot open file:" + m_dir.PathOf("Z\u00fcrich/badver.zrt") +
                                ",version #:1, is illegal.\r\nIt may not be a valid NEXIL system "
                                "file.\n");
}

namespace {

// The unit image of SaveSite's configuration with a spare zone and input 4
// non-pageable, worked out cell by cell.
std::string ExpectedSiteImage() {
    std::string image(65536, '\xFF');
    auto put = [&](size_t at, const std::string& bytes) { image.replace(at, bytes.size(), bytes); };
    using std::string_literals::operator""s;
    // Arch table: 11, 12, 13, 14 have the values 13, 14, 15, 16.
    put(13, "\x00\x20\x40\x60"s);
    // Recon records: the pageable inputs, the spare zone, the non-pageable input.
    const std::string noName(16, '\0');
    put(0x5208, "\x00\x00\x00  11\0"s + noName);
    put(0x5208 + 24, "\x01\x00\x20  12\0"s + "Caf\xE9" + std::string(12, '\0'));
    put(0x5208 + 48, "\x02\x00\x40  13\0"s + noName);
    put(0x5208 + 72, "\x09\x00\xFF  40\0"s + "Spare \"A\"" + std::string(7, '\0'));
    put(0x5208 + 96, "\x00\x80\x60  14\0"s + noName);
    // Idle loop 11, then the terminator.
    put(0x8000, "\x00\x21  11\0"s + "\xFF\x00INVL\0"s);
    // Settings: time refresh, Quillon with 2 digits, no units, admin 501-504,
    // priority 2, delay 3, the Quillon signature.
    put(0xFFCF, "\x02"s);
    put(0xFFDE, "\x01\x00"s);
    put(0xFFE0, " 501\0 502\0 503\0 504\0"s);
    put(0xFFF5, "\x03\x02\x03\x00\xBA\xFF\xAF\xFF"s);
    return image;
}

}  // namespace

TEST_F(CliTest, ImageOfAConfigurationCellByCell) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    doc.m_nodes[4].m_strName = "Caf\xE9";
    doc.m_nodes[6].MakeNonPageable();
    doc.m_zones.push_back({"40", "Spare \"A\"", 9});
    doc.m_nPagingSystem = kPagingQuillon;
    doc.m_nDialDigits = 2;
    doc.m_byTimeRefresh = 2;
    ScriptedPrompter prompter;
    const std::string site = m_dir.PathOf("site.zrt");
    ASSERT_TRUE(SaveZrtFile(doc, site, prompter));

    const std::string image = m_dir.PathOf("site.bin");
    ProgramRun run = Cli("image " + site + " -o " + image);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    const auto bytes = ReadWholeFile(image, 1 << 20);
    ASSERT_TRUE(bytes);
    const std::string expected = ExpectedSiteImage();
    ASSERT_EQ(bytes->size(), expected.size());
    for (size_t a = 0; a < expected.size(); ++a)
        ASSERT_EQ(static_cast<uint8_t>((*bytes)[a]), static_cast<uint8_t>(expected[a]))
            << "cell 0x" << std::hex << a;

    // Read back as a 4-port unit: the same inputs, names and pool.
    const std::string back = m_dir.PathOf("back.zrt");
    run = Cli("decode " + image + " --ports 4 -o " + back);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    run = Cli("show " + back);
    EXPECT_NE(run.m_strOut.find("Input 2, 12  Caf\xC3\xA9\n"), std::string::npos) << run.m_strOut;
    EXPECT_NE(run.m_strOut.find("Input 4, 14    (non-pageable)"), std::string::npos);
    EXPECT_NE(run.m_strOut.find("  40  Spare \"A\"\n"), std::string::npos);
}

TEST_F(CliTest, ImageCommandsRefuseWrongInput) {
    const std::string notImage = m_dir.PathOf("short.bin");
    std::ofstream(notImage) << "short";
    ProgramRun run = Cli("decode " + notImage + " --ports 4 -o " + m_dir.PathOf("x.zrt"));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(m_dir.PathOf("x.zrt")));
    for (const std::string& args :
         std::vector<std::string>{"decode " + notImage + " --ports 5 -o x.zrt", "image a.zrt",
                                  "decode " + notImage + " -o x.zrt"})
        EXPECT_EQ(Cli(args).m_nStatus, 2) << args;
}

// The port list for scripts carries every field of every port the text lists.
TEST_F(CliTest, PortsListsEachPortInTextAndJson) {
    const ProgramRun json = Cli("ports --json");
    ASSERT_EQ(json.m_nStatus, 0) << json.m_strErr;
    QJsonParseError error{};
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.m_strOut), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.m_strOut;
    ASSERT_TRUE(doc.isArray());
    const ProgramRun text = Cli("ports");
    ASSERT_EQ(text.m_nStatus, 0);
    if (doc.array().isEmpty()) {
        EXPECT_EQ(text.m_strOut, "No serial ports.\n");
    }
    for (const QJsonValue& value : doc.array()) {
        const QJsonObject port = value.toObject();
        for (const char* key : {"device", "label", "description", "manufacturer", "serialNumber"})
            EXPECT_TRUE(port[key].isString()) << key;
        EXPECT_TRUE(port["mayOpen"].isBool());
        EXPECT_TRUE(port["usb"].isNull() || port["usb"].toString().size() == 9);
        EXPECT_TRUE(port["heldBy"].isNull() || port["heldBy"].toObject()["pid"].isDouble());
        EXPECT_EQ(port["device"].toString().left(5), "/dev/");
        EXPECT_NE(text.m_strOut.find(port["label"].toString().toStdString() + "\n    " +
                                     port["device"].toString().toStdString()),
                  std::string::npos)
            << text.m_strOut;
    }
    EXPECT_EQ(Cli("ports extra").m_nStatus, 2);
}
