#include <gtest/gtest.h>

#include "document/ConfigDiff.h"
#include "document/InputsCsv.h"
#include "pages/ArchAssign.h"
#include "pages/ArchList.h"
#include "support/Configs.h"

namespace {

CConfigNode& Node(CZRTProDoc& doc, const std::string& label) {
    return doc.m_nodes[static_cast<size_t>(NodeLabelled(doc, label))];
}

}  // namespace

// A file of numbers gives what the same clicks in the Arch Number list give
// (the list leaves the idle loop alone, so it is left out of the comparison).
TEST(CsvMovesTest, EqualTheSameClicksOnThePage) {
    const std::vector<std::vector<std::pair<int, std::string>>> edits = {
        {{1, "12"}, {2, "11"}}, {{1, "12"}, {2, "13"}, {3, "11"}}, {{1, "90"}, {2, "11"}},
        {{2, "95"}, {4, "12"}}, {{3, "14"}, {4, "13"}, {1, "90"}},
    };
    for (const auto& moves : edits) {
        CZRTProDoc byPage;
        MemoryTree tree;
        BuildPagingSite(byPage, tree);
        CZRTProDoc byFile = byPage;
        std::string csv = "port,unit,input,arch\n";
        for (const auto& [port, arch] : moves) {
            csv += std::to_string(port) + ",,," + arch + "\n";
            ScriptedPrompter prompter;
            const auto rows = FillArchList(byPage, 0, true);
            const int row = RowOfArch(rows, arch);
            ASSERT_GE(row, 0) << arch;
            ApplyArchSelection(byPage, tree, prompter,
                               Node(byPage, "Input " + std::to_string(port)).m_hItem,
                               &rows[static_cast<size_t>(row)]);
        }
        std::string error;
        ASSERT_TRUE(ImportInputsCsv(byFile, csv, error)) << csv << error;
        byPage.m_idleLoop.clear();
        byFile.m_idleLoop.clear();
        const auto differences = CompareConfigurations(byPage, byFile);
        EXPECT_TRUE(differences.empty())
            << csv << differences.front().m_strItem << ": " << differences.front().m_strThis
            << " | " << differences.front().m_strOther;
    }
}
