#include <gtest/gtest.h>

#include <fstream>

#include "document/InputsCsvFile.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

class InputsCsvFileTest : public ::testing::Test {
protected:
    // 4 ports, the first with a camera interface unit: exp 1, inp 1-24 are
    // 11-34, Input 2-4 are 35-37.
    void SetUp() override {
        BuildNumbered(m_doc, m_tree, 4, 1, 10);
        m_doc.SetModifiedFlag(false);
        m_main.m_history.Start(m_doc);
    }

    std::string WriteCsv(const std::string& text) {
        const std::string path = m_dir.PathOf("inputs.csv");
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    const CConfigNode& Node(const char* label) const {
        return m_doc.m_nodes[static_cast<size_t>(NodeLabelled(m_doc, label))];
    }

    TempDir m_dir;
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MainState m_main;
    DocumentContext m_ctx{m_doc, m_tree, m_prompter, &m_main};
};

}  // namespace

// The import is made on a copy to be shown first; applied, it is one step
// that Undo takes back whole, and a number two inputs now share is marked.
TEST_F(InputsCsvFileTest, ImportIsPreviewedThenAppliedAsOneStep) {
    const std::string before = EncodeZrt(m_doc);
    std::string error;
    const auto preview = ImportInputsCsvFile(
        m_doc, WriteCsv("port,unit,input,arch,name\n2,,,11,Gym\n3,,,40,\n"), error);
    ASSERT_TRUE(preview) << error;
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_EQ(preview->m_shared, std::vector<std::string>{"2 inputs would share 11"});
    const auto changes = CompareConfigurations(m_doc, preview->m_doc);
    const auto shared = SharedNumberRows(changes, preview->m_doc);
    ASSERT_EQ(shared.size(), changes.size());
    for (size_t r = 0; r < changes.size(); ++r)
        EXPECT_EQ(shared[r], changes[r].m_strItem == "Input 2 Arch Number") << changes[r].m_strItem;

    ApplyImportedInputs(m_ctx, preview->m_doc);
    EXPECT_EQ(Node("Input 2").m_strArch, "11");
    EXPECT_EQ(Node("Input 3").m_strArch, "40");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_bConflicts, 1);
    EXPECT_EQ(m_tree.Get(Node("Input 2").m_hItem).m_nState, kStateConflict);
    EXPECT_EQ(m_tree.Get(Node("exp 1, inp 1").m_hItem).m_nState, kStateConflict);
    EXPECT_NE(m_tree.ItemText(Node("Input 2").m_hItem).find("Gym"), std::string::npos);
    EXPECT_EQ(m_main.m_history.UndoLabel(), "Import Inputs from CSV");

    ASSERT_TRUE(m_main.m_history.Undo(m_doc));
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(m_main.m_history.CanUndo());
}

TEST_F(InputsCsvFileTest, FilesThatCannotBeTakenNameThemselves) {
    const std::string missing = m_dir.PathOf("missing.csv");
    const std::string large = WriteCsv("port,arch\n" + std::string(4u << 20, '\n'));
    const std::string refused = m_dir.PathOf("refused.csv");
    std::ofstream(refused) << "port,unit,input,arch\n2,,,12a\n";
    const struct {
        std::string path;
        std::string error;
    } cases[] = {
        {missing, missing + ": cannot be read, or larger than 4 MB"},
        {large, large + ": cannot be read, or larger than 4 MB"},
        {refused, refused + ": the file is refused, nothing was changed:\nline 2, column arch: "},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ImportInputsCsvFile(m_doc, c.path, error)) << c.path;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.path;
    }

    const std::string nowhere = m_dir.PathOf("no/such/folder/inputs.csv");
    std::string error;
    EXPECT_FALSE(ExportInputsCsvFile(m_doc, nowhere, error));
    EXPECT_EQ(error.substr(0, nowhere.size() + 2), nowhere + ": ");
}
