#include <gtest/gtest.h>

#include <algorithm>

#include "document/ConfigDiff.h"
#include "document/CsvText.h"
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

CConfigNode& Node(CZRTProDoc& doc, const std::string& label) {
    return doc.m_nodes[static_cast<size_t>(NodeLabelled(doc, label))];
}

std::vector<std::string> Arches(CZRTProDoc& doc) {
    std::vector<std::string> arches;
    for (int i = 1; i <= 4; ++i)
        arches.push_back(Node(doc, "Input " + std::to_string(i)).m_strArch);
    return arches;
}

// The unassigned numbers with their zone ids, "90:9", in number order.
std::vector<std::string> Pool(const CZRTProDoc& doc) {
    std::vector<std::string> pool;
    for (const CZoneEntry& z : doc.m_zones)
        pool.push_back(z.m_strArch + ":" + std::to_string(z.m_nZoneId));
    std::sort(pool.begin(), pool.end());
    return pool;
}

}  // namespace

TEST(InputsCsvTest, ExportQuotesNamesMarksFormulasAndLeavesPlacesEmpty) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 4, 0, 10);
    Node(doc, "Input 1").m_strName = "=SUM(A1)";
    Node(doc, "Input 2").m_strName = "Caf\xE9, \"A\"     ";
    Node(doc, "Input 3").m_strName = "-1,@x";
    Node(doc, "Input 4").MakeNonPageable();
    Node(doc, "Input 4").m_strName = "'+1";
    EXPECT_EQ(ExportInputsCsv(doc),
              "port,unit,input,arch,original_arch,name,pageable\r\n"
              "1,,,11,11,'=SUM(A1),yes\r\n"
              "2,,,12,12,\"Caf\xC3\xA9, \"\"A\"\"\",yes\r\n"
              "3,,,13,13,\"'-1,@x\",yes\r\n"
              "4,,,14,14,''+1,no\r\n");
}

TEST(InputsCsvTest, FormulaCellsTakeOneApostropheAndGiveItBack) {
    const struct {
        const char* m_pText;
        const char* m_pCell;
    } cases[] = {
        {"=1+2", "'=1+2"}, {"+49 30", "'+49 30"},
        {"-5", "'-5"},     {"@home", "'@home"},
        {"\tx", "'\tx"},   {"\rx", "'\rx"},
        {"'=x", "''=x"},   {"'quoted", "'quoted"},
        {"a=b", "a=b"},    {"", ""},
        {"'", "'"},        {"#12", "#12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormulaSafeCell(c.m_pText), c.m_pCell) << c.m_pText;
        EXPECT_EQ(FromFormulaSafeCell(c.m_pCell), c.m_pText) << c.m_pCell;
    }
}

TEST(InputsCsvTest, AnExportImportedBackChangesNothing) {
    CZRTProDoc doc;
    BuildSite(doc);
    doc.m_idleLoop = {"13", "90"};
    Node(doc, "exp 1, inp 3").m_strName = "Gym \xE9t\xE9     ";
    Node(doc, "Input 3").m_strName = "a,b\"c";
    Node(doc, "Input 4").m_strName = "=cmd|'/c calc'";
    Node(doc, "exp 1, inp 5").m_strName = "'@x";
    Node(doc, "exp 1, inp 6").m_strArch = "35";  // a conflict the file keeps
    const std::string csv = ExportInputsCsv(doc);
    EXPECT_NE(csv.find("1,1,3,13,13,Gym \xC3\xA9t\xC3\xA9,yes\r\n"), std::string::npos) << csv;
    CZRTProDoc back = doc;
    const CsvImportOutcome outcome = ImportInputsCsv(back, csv);
    ASSERT_TRUE(outcome.Accepted()) << RefusalText(outcome.m_refused);
    EXPECT_TRUE(outcome.m_notes.empty());
    EXPECT_TRUE(CompareConfigurations(doc, back).empty());
    EXPECT_EQ(back.m_zones, doc.m_zones);
    EXPECT_FALSE(back.IsModified());
}

// The same change, saved the ways spreadsheets save it.
TEST(InputsCsvTest, ReadsFilesAsSpreadsheetsSaveThem) {
    const struct {
        const char* m_pWhat;
        std::string m_strFile;
    } files[] = {
        {"commas, UTF-8", "port,unit,input,arch,name\n1,1,3,63,Caf\xC3\xA9\n"},
        {"semicolons, byte order mark, CRLF",
         "\xEF\xBB\xBFport;unit;input;arch;name\r\n1;1;3;63;Caf\xC3\xA9\r\n"},
        {"tabs", "port\tunit\tinput\tarch\tname\n1\t1\t3\t63\tCaf\xC3\xA9\n"},
        {"Windows-1252, semicolons", "port;unit;input;arch;name\r\n1;1;3;63;Caf\xE9\r\n"},
        {"empty rows at the end",
         "port,unit,input,arch,name\n1,1,3,63,Caf\xC3\xA9\n,,,,\n , ,,,\n\n"},
        {"empty cells past the last column",
         "port,unit,input,arch,name,,\n1,1,3,63,Caf\xC3\xA9,,\n"},
        {"header in any case, with blanks, quoted numbers",
         " Port ;UNIT; Input;Arch ;Name\n\"1\";\"1\";\"3\";\" 63\";\"Caf\xC3\xA9\"\n"},
        {"columns in another order", "name,port,unit,input,arch\n\"Caf\xC3\xA9\",1,1,3,63\n"},
    };
    for (const auto& f : files) {
        CZRTProDoc doc;
        BuildSite(doc);
        const CsvImportOutcome outcome = ImportInputsCsv(doc, f.m_strFile);
        ASSERT_TRUE(outcome.Accepted()) << f.m_pWhat << ": " << RefusalText(outcome.m_refused);
        EXPECT_EQ(Node(doc, "exp 1, inp 3").m_strArch, "63") << f.m_pWhat;
        EXPECT_EQ(Node(doc, "exp 1, inp 3").m_strName, "Caf\xE9           ") << f.m_pWhat;
        EXPECT_TRUE(outcome.m_notes.empty()) << f.m_pWhat;
    }
}

TEST(InputsCsvTest, NamesColumnsNotApplied) {
    CZRTProDoc doc;
    BuildSite(doc);
    const CsvImportOutcome outcome =
        ImportInputsCsv(doc,
                        "port,unit,input,Colour,arch,original_arch,pageable\n"
                        "2,,,red,35,99,yes\n3,,,blue,36,36,no\n4,,,,37,98,no\n");
    ASSERT_TRUE(outcome.Accepted()) << RefusalText(outcome.m_refused);
    EXPECT_EQ(outcome.m_notes,
              (std::vector<std::string>{
                  "Column \"Colour\" is not known and is ignored.",
                  "Column original_arch is not applied (2 rows differ): an input keeps the "
                  "number it was built with, for Reset to Original.",
                  "Column pageable is not applied (2 rows differ): an input is pageable when "
                  "its number is one of the paging system's."}));
    EXPECT_EQ(Node(doc, "Input 2").m_strOrigArch, "35");
    EXPECT_FALSE(Node(doc, "Input 3").IsNonPageable());
    EXPECT_FALSE(doc.IsModified());
}

TEST(InputsCsvTest, NumbersMoveAtOnce) {
    const struct {
        const char* m_pWhat;
        const char* m_pRows;  // port,unit,input,arch
        std::vector<std::string> m_arches;
        std::vector<std::string> m_loop;
        std::vector<std::string> m_pool;
        bool m_bInput2Pageable;
    } cases[] = {
        {"swap",
         "1,,,12\n2,,,11\n",
         {"12", "11", "13", "14"},
         {"12", "11", "13"},
         {"90:9", "95:-1"},
         true},
        {"rotation",
         "1,,,12\n2,,,13\n3,,,11\n",
         {"12", "13", "11", "14"},
         {"12", "13", "11"},
         {"90:9", "95:-1"},
         true},
        {"to a spare number",
         "1,,,90\n",
         {"90", "12", "13", "14"},
         {"90", "12", "13"},
         {"11:1", "95:-1"},
         true},
        {"chain into a spare",
         "1,,,90\n2,,,11\n",
         {"90", "11", "13", "14"},
         {"90", "11", "13"},
         {"12:2", "95:-1"},
         true},
        {"to a non-pageable spare",
         "2,,,95\n",
         {"11", "95", "13", "14"},
         {"11", "95", "13"},
         {"12:2", "90:9"},
         false},
        {"to a new number",
         "2,,,40\n",
         {"11", "40", "13", "14"},
         {"11", "40", "13"},
         {"12:2", "90:9", "95:-1"},
         true},
        {"two inputs onto one",
         "2,,,11\n",
         {"11", "11", "13", "14"},
         {"11", "11", "13"},
         {"12:2", "90:9", "95:-1"},
         true},
    };
    for (const auto& c : cases) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildPagingSite(doc, tree);
        std::string error;
        ASSERT_TRUE(ImportInputsCsv(doc, std::string("port,unit,input,arch\n") + c.m_pRows, error))
            << c.m_pWhat << ": " << error;
        EXPECT_EQ(Arches(doc), c.m_arches) << c.m_pWhat;
        EXPECT_EQ(doc.m_idleLoop, c.m_loop) << c.m_pWhat;
        EXPECT_EQ(Pool(doc), c.m_pool) << c.m_pWhat;
        EXPECT_EQ(!Node(doc, "Input 2").IsNonPageable(), c.m_bInput2Pageable) << c.m_pWhat;
        EXPECT_EQ(Node(doc, "Input 1").m_strOrigArch, "11") << c.m_pWhat;
    }
}

TEST(InputsCsvTest, RefusedCells) {
    const char* header = "port,unit,input,arch,name\r\n";
    const std::string goodRow = "1,1,1,61,First\r\n";
    const std::string arches = "1 to 4 characters, each a digit, \"#\" or \"*\"";
    const struct {
        std::string m_strRows;
        std::string m_strError;
    } cases[] = {
        {"9,,,62,x\r\n",
         "line 3, column port: no such input in this configuration; the export "
         "lists every input there is"},
        {"1,1,25,62,x\r\n",
         "line 3, column port: no such input in this configuration; the "
         "export lists every input there is"},
        {"x,,,62,x\r\n",
         "line 3, column port: \"x\" is not a place number; a whole number from "
         "1, or nothing for the unit and input of an input wired to its port"},
        {"2,0,,62,x\r\n",
         "line 3, column unit: \"0\" is not a place number; a whole number "
         "from 1, or nothing for the unit and input of an input wired to its port"},
        {"2,,,62\r\n",
         "line 3: 4 fields where the header has 5; every row has the header's "
         "columns"},
        {"1,1,1,63,x\r\n",
         "line 3, column port: the input is already given on line 2; each "
         "input once"},
        {"2,,,6A,x\r\n", "line 3, column arch: \"6A\" is not an Arch Number; " + arches},
        {"2,,,12345,x\r\n",
         "line 3, column arch: \"12345\" is longer than 4 characters; " + arches},
        {"2,,,,x\r\n", "line 3, column arch: an Arch Number is needed; " + arches},
        {"2,,,62,Sixteen letters!\r\n",
         "line 3, column name: longer than the unit's 15 characters; at most 15 characters"},
        {"2,,,62,\xE2\x82\xAC\r\n",
         "line 3, column name: a character outside the unit's "
         "character set; letters, digits and signs of Latin-1"},
        {"2,,,62,\"a\tb\"\r\n",
         "line 3, column name: a tab, a line break or another control "
         "character; letters, digits, signs and blanks"},
        {"2,,,62,\"a\nb\"\r\n",
         "line 3, column name: a tab, a line break or another control "
         "character; letters, digits, signs and blanks"},
        {std::string("2,,,62,a\0b\r\n", 12),
         "line 3, column name: a tab, a line break or "
         "another control character; letters, digits, "
         "signs and blanks"},
        {"2,,,62,a\"b\r\n",
         "line 3, column 5: a quote inside an unquoted field; quote a field "
         "that holds the separator, a quote or a line end, and double the "
         "quotes inside"},
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
        {"", "line 1: the file has no header row; the first row names the columns"},
        {"port,unit,input,arch,Arch\r\n",
         "line 1, column arch: the column is given twice; each column once"},
        {"port,input,arch\r\n",
         "line 1, column unit: the column is missing; port, unit and "
         "input say which input a row is for"},
        {"port,unit,input,pageable\r\n",
         "line 1, column arch: neither an arch nor a name "
         "column; a file gives arch, name or both"},
    };
    for (const auto& h : headers) {
        CZRTProDoc doc;
        BuildSite(doc);
        std::string error;
        EXPECT_FALSE(ImportInputsCsv(doc, h.m_pHeader, error)) << h.m_pHeader;
        EXPECT_EQ(error, h.m_pError) << h.m_pHeader;
    }
}

TEST(InputsCsvTest, EveryRefusedCellIsNamedAtOnce) {
    CZRTProDoc doc;
    BuildSite(doc);
    std::string csv = "port,unit,input,arch,name\n2,,,6A,\"a\tb\"\n";
    for (int row = 0; row < 22; ++row) csv += "3,,,x,\n";
    const CsvImportOutcome outcome = ImportInputsCsv(doc, csv);
    // Line 2 twice, line 3 once, lines 4 to 24 twice (also a repeat of Input 3).
    ASSERT_EQ(outcome.m_refused.size(), 45u);
    const char* starts[] = {"line 2, column arch: \"6A\"", "line 2, column name: a tab",
                            "line 3, column arch: \"x\"",
                            "line 4, column port: the input is "
                            "already given on line 3",
                            "line 4, column arch: \"x\""};
    for (size_t i = 0; i < std::size(starts); ++i)
        EXPECT_TRUE(outcome.m_refused[i].starts_with(starts[i])) << outcome.m_refused[i];
    const std::string text = RefusalText(outcome.m_refused);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "and 25 more");
}

TEST(InputsCsvTest, SharedNumbersAreCountedInNumberOrder) {
    CZRTProDoc doc;
    BuildSite(doc);
    std::string error;
    ASSERT_TRUE(ImportInputsCsv(doc,
                                "port;unit;input;arch\n2;;;107\n3;;;107\n4;;;107\n"
                                "1;1;1;9\n1;1;2;9\n",
                                error))
        << error;
    EXPECT_EQ(SharedNumberLines(doc),
              (std::vector<std::string>{"2 inputs would share 9", "3 inputs would share 107"}));
}
