#include <gtest/gtest.h>

#include "document/ConfigDiff.h"
#include "document/InputsCsv.h"
#include "support/Configs.h"

namespace {

// 4 ports, the first with a camera interface unit: exp 1, inp 1-24 are 11-34,
// Input 2-4 are 35-37; "90" is unassigned.
void BuildSite(CZRTProDoc& doc) {
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 1, 10);
    doc.m_zones.push_back({"90", "Spare", 9});
}

CConfigNode& Node(CZRTProDoc& doc, const char* label) {
    return doc.m_nodes[static_cast<size_t>(NodeLabelled(doc, label))];
}

}  // namespace

TEST(InputsCsvTest, ExportQuotesNamesAndLeavesPlacesEmpty) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    Node(doc, "Input 2").m_strName = "Caf\xE9, \"A\"     ";
    Node(doc, "Input 4").MakeNonPageable();
    EXPECT_EQ(ExportInputsCsv(doc),
              "port,unit,input,arch,original_arch,name,pageable\r\n"
              "1,,,11,11,,yes\r\n"
              "2,,,12,12,\"Caf\xC3\xA9, \"\"A\"\"\",yes\r\n"
              "3,,,13,13,,yes\r\n"
              "4,,,14,14,,no\r\n");
}

TEST(InputsCsvTest, AnExportImportedBackChangesNothing) {
    CZRTProDoc doc;
    BuildSite(doc);
    Node(doc, "exp 1, inp 3").m_strName = "Gym \xE9t\xE9     ";
    Node(doc, "Input 3").m_strName = "a,b\"c";
    const std::string csv = ExportInputsCsv(doc);
    EXPECT_NE(csv.find("1,1,3,13,13,Gym \xC3\xA9t\xC3\xA9,yes\r\n"), std::string::npos) << csv;
    CZRTProDoc back = doc;
    std::string error;
    ASSERT_TRUE(ImportInputsCsv(back, csv, error)) << error;
    EXPECT_TRUE(CompareConfigurations(doc, back).empty());
    EXPECT_FALSE(back.IsModified());
}

TEST(InputsCsvTest, ReadsASpreadsheetsFile) {
    CZRTProDoc doc;
    BuildSite(doc);
    doc.m_idleLoop = {"13"};
    // A byte order mark, CRLF line ends, columns reordered, quoted fields.
    const std::string csv =
        "\xEF\xBB\xBF"
        "name,input,arch,unit,port\r\n"
        "\"Hall, \"\"east\"\"\",3,63,1,1\r\n"
        "\"Stage\",,40,,2\r\n"
        "\r\n";
    std::string error;
    ASSERT_TRUE(ImportInputsCsv(doc, csv, error)) << error;
    EXPECT_EQ(Node(doc, "exp 1, inp 3").m_strArch, "63");
    EXPECT_EQ(Node(doc, "exp 1, inp 3").m_strOrigArch, "63");
    EXPECT_EQ(Node(doc, "exp 1, inp 3").m_strName, "Hall, \"east\"   ");
    EXPECT_EQ(Node(doc, "Input 2").m_strArch, "40");
    EXPECT_EQ(Node(doc, "Input 2").m_strName, "Stage          ");
    EXPECT_EQ(doc.m_idleLoop, std::vector<std::string>{"63"});
    EXPECT_TRUE(doc.IsModified());
}

TEST(InputsCsvTest, OneColumnAloneChangesOnlyItself) {
    CZRTProDoc doc;
    BuildSite(doc);
    std::string error;
    ASSERT_TRUE(ImportInputsCsv(doc, "port,unit,input,name\n2,,,Lobby\n", error)) << error;
    EXPECT_EQ(Node(doc, "Input 2").m_strArch, "35");
    EXPECT_EQ(Node(doc, "Input 2").m_strName, "Lobby          ");
    // A duplicate number is taken; it becomes a conflict, as after an edit.
    ASSERT_TRUE(ImportInputsCsv(doc, "arch,port,input,unit\n11,2,,\n", error)) << error;
    EXPECT_EQ(Node(doc, "Input 2").m_strArch, "11");
    EXPECT_EQ(Node(doc, "Input 2").m_strName, "Lobby          ");
}

TEST(InputsCsvTest, AnyErrorRefusesTheWholeFile) {
    const char* header = "port,unit,input,arch,name\r\n";
    const std::string goodRow = "1,1,1,61,First\r\n";
    const struct {
        std::string m_strRows;
        std::string m_strError;
    } cases[] = {
        {"9,,,62,x\r\n", "line 3, column port: no such input in this configuration"},
        {"1,1,25,62,x\r\n", "line 3, column port: no such input in this configuration"},
        {"2,2,1,62,x\r\n", "line 3, column port: no such input in this configuration"},
        {"x,,,62,x\r\n", "line 3, column port: not a whole number from 1"},
        {"2,,-1,62,x\r\n", "line 3, column input: not a whole number from 1"},
        {"2,0,,62,x\r\n", "line 3, column unit: not a whole number from 1"},
        {"2,,,62\r\n", "line 3: 4 fields where the header has 5"},
        {"1,1,1,63,x\r\n", "line 3, column port: the input is already given on line 2"},
        {"2,,,6A,x\r\n", "line 3, column arch: only digits, \"#\" and \"*\" make an Arch Number"},
        {"2,,,12345,x\r\n", "line 3, column arch: longer than 4 characters"},
        {"2,,,,x\r\n", "line 3, column arch: an Arch Number is needed"},
        {"2,,,90,x\r\n", "line 3, column arch: the number is among the unassigned numbers"},
        {"2,,,62,Sixteen letters!\r\n",
         "line 3, column name: longer than the unit's 15 characters"},
        {"2,,,62,\xE2\x82\xAC\r\n",
         "line 3, column name: a character outside the unit's character set"},
        {"2,,,62,\xE9\r\n", "line 3, column name: a character outside the unit's character set"},
        {"2,,,62,a\"b\r\n", "line 3, column 5: a quote inside an unquoted field"},
        {"2,,,62,\"ab\"c\r\n", "line 3, column 5: text after a closing quote"},
        {"2,,,62,\"ab\r\n", "line 3, column 5: a quoted field is not closed"},
    };
    for (const auto& c : cases) {
        CZRTProDoc doc;
        BuildSite(doc);
        const CZRTProDoc before = doc;
        std::string error;
        EXPECT_FALSE(ImportInputsCsv(doc, header + goodRow + c.m_strRows, error)) << c.m_strRows;
        EXPECT_EQ(error, c.m_strError) << c.m_strRows;
        EXPECT_TRUE(CompareConfigurations(before, doc).empty()) << c.m_strRows;
    }
    const struct {
        const char* m_pHeader;
        const char* m_pError;
    } headers[] = {
        {"", "line 1: the file has no header row"},
        {"port,unit,input,colour\r\n", "line 1, column colour: no such column"},
        {"port,unit,input,arch,arch\r\n", "line 1, column arch: the column is given twice"},
        {"port,input,arch\r\n", "line 1, column unit: the column is missing"},
        {"port,unit,input,pageable\r\n", "line 1, column arch: neither an arch nor a name column"},
    };
    for (const auto& h : headers) {
        CZRTProDoc doc;
        BuildSite(doc);
        std::string error;
        EXPECT_FALSE(ImportInputsCsv(doc, h.m_pHeader, error)) << h.m_pHeader;
        EXPECT_EQ(error, h.m_pError) << h.m_pHeader;
    }
}
