#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/FileIo.h"
#include "model/ZrtCodec.h"
#include "model/ZrtFile.h"
#include "support/Bytes.h"
#include "support/Configs.h"

namespace {

class ZrtFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("zrtfile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
        BuildNumbered(m_doc, m_tree, 4, 1, 20);
        m_doc.SetModifiedFlag(true);
        m_before = EncodeZrt(m_doc);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    void ExpectDocumentUntouched() {
        EXPECT_EQ(EncodeZrt(m_doc), m_before);
        EXPECT_TRUE(m_doc.IsModified());
    }

    std::filesystem::path m_dir;
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    std::string m_before;
};

}  // namespace

TEST_F(ZrtFileTest, WrongVersionShowsTheVersionMessageAndKeepsTheModel) {
    const std::string path = Write("old.zrt", Bytes().i32(12345).i32(0).data());
    EXPECT_FALSE(LoadZrtFile(m_doc, path, m_prompter));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts()[0], "Cannot open file:" + path +
                                         ",version #:12345, is illegal.\r\nIt may not be a "
                                         "valid NEXIL system file.");
    EXPECT_EQ(m_doc.m_bLoadFailed, 1);
    ExpectDocumentUntouched();
}

TEST_F(ZrtFileTest, DamagedFilesAreRefusedAndKeepTheModel) {
    CZRTProDoc other;
    MemoryTree tree;
    BuildNumbered(other, tree, 8, 0, 300);
    const std::string good = EncodeZrt(other);
    ZrtConfig wrongShape = other;
    wrongShape.m_nodes.pop_back();
    for (const std::string& bytes :
         {good.substr(0, good.size() / 2), good.substr(0, 2), EncodeZrt(wrongShape)}) {
        ScriptedPrompter prompter;
        EXPECT_FALSE(LoadZrtFile(m_doc, Write("bad.zrt", bytes), prompter));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Unexpected file format."});
        EXPECT_EQ(m_doc.m_bLoadFailed, 0);
        ExpectDocumentUntouched();
    }
}

TEST_F(ZrtFileTest, MissingFileFailsToOpen) {
    EXPECT_FALSE(LoadZrtFile(m_doc, (m_dir / "none.zrt").string(), m_prompter));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Failed to open document."});
    ExpectDocumentUntouched();
}

TEST_F(ZrtFileTest, SaveThenLoadGivesTheSameConfiguration) {
    const std::string path = (m_dir / "site.zrt").string();
    m_doc.m_zones.push_back({"77", "Spare", 3});
    ASSERT_TRUE(SaveZrtFile(m_doc, path, m_prompter));
    EXPECT_FALSE(m_doc.IsModified());

    CZRTProDoc loaded;
    loaded.m_zones.push_back({"1", "x", 1});
    ASSERT_TRUE(LoadZrtFile(loaded, path, m_prompter));
    EXPECT_EQ(EncodeZrt(loaded), EncodeZrt(m_doc));
    EXPECT_TRUE(m_prompter.Texts().empty());
    // Nothing but the file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

TEST_F(ZrtFileTest, FailedSaveReportsAndLeavesNoFile) {
    const std::string path = (m_dir / "missing" / "site.zrt").string();
    EXPECT_FALSE(SaveZrtFile(m_doc, path, m_prompter));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Failed to save document.\n\n" +
                                                           std::string(std::strerror(ENOENT))});
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ZrtFileTest, OversizedFileIsNotRead) {
    const std::string path = Write("big.bin", std::string(2048, 'x'));
    EXPECT_FALSE(ReadWholeFile(path, 1024).has_value());
    EXPECT_EQ(ReadWholeFile(path, 4096)->size(), 2048u);
}
