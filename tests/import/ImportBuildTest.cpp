#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "import/CQuillonImporter.h"
#include "import/ImportBuild.h"
#include "import/ImportMessages.h"
#include "import/LunettaFolder.h"
#include "import/M7700Database.h"
#include "import/QpxFile.h"
#include "import/SetupWizardBuild.h"
#include "model/MemoryProfile.h"
#include "model/ZrtCodec.h"
#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/TempDir.h"

namespace {

using namespace LunettaFolder;

// The wizard page, answered by the test.
class ScriptedWizard : public WizardDialog {
public:
    bool Run(WizardAnswers& answers) override {
        ++m_nRuns;
        if (!m_answers) return false;
        answers = *m_answers;
        return true;
    }
    std::optional<WizardAnswers> m_answers;
    int m_nRuns = 0;
};

WizardAnswers Described(int system, int expansion, int digits, int rows, int ciu) {
    WizardAnswers a;
    a.m_nInputMethod = 5;
    a.m_nSystemType = system;
    a.m_nExpansionCount = expansion;
    a.m_nDialDigits = digits;
    a.m_nRows = rows;
    a.m_nCiuCount = ciu;
    return a;
}

WizardAnswers NamedFile(const std::string& paging, const std::string& config, int rows, int ciu) {
    WizardAnswers a;
    a.m_nInputMethod = 4;
    a.m_strPagingFile = paging;
    a.m_strConfigFile = config;
    a.m_nRows = rows;
    a.m_nCiuCount = ciu;
    return a;
}

// Records numbered 0.., with Arch Numbers " 101".. as the Lunetta reader writes them.
std::vector<CImportRecord> PaddedRecords(int count) {
    std::vector<CImportRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back({i, " " + std::to_string(101 + i) + " ", "Zone " + std::to_string(i)});
    return records;
}

class FixedRecords : public CPagingImporter {
public:
    FixedRecords(Prompter& p, std::vector<CImportRecord> records) : CPagingImporter(p) {
        m_records = std::move(records);
    }
    ImportStatus Read(const std::string&) override { return IMPORT_OK; }
};

class ImportBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A previous configuration, opened from a file and edited.
        BuildNumbered(m_doc, m_tree, 4, 0, 700);
        m_doc.SetPathName("/sites/old.zrt");
        m_doc.m_nIdleDelay = 9;
        m_doc.m_byTimeRefresh = kTimeRefreshPc;
        m_doc.m_bIdleNoVideo = 1;
        m_doc.m_nPriority = 5;
        m_doc.m_bConflicts = 1;
        m_doc.SetModifiedFlag(false);
    }
    void AnswerUnitModel(int rows, int ciu) {
        m_prompter.m_unitModelAnswers.push_back({{rows, ciu}, true});
    }

    std::vector<std::string> InputArches() const {
        std::vector<std::string> arches;
        for (int i = kFixedNodeCount; i < m_doc.NodeCount(); ++i)
            if (m_doc.IsInput(i)) arches.push_back(m_doc.m_nodes[i].m_strArch);
        return arches;
    }
    std::vector<std::string> ZoneArches() const {
        std::vector<std::string> arches;
        for (const auto& z : m_doc.m_zones) arches.push_back(z.m_strArch);
        return arches;
    }
    static std::vector<std::string> Numbers(int first, int last) {
        std::vector<std::string> out;
        for (int n = first; n <= last; ++n) out.push_back(std::to_string(n));
        return out;
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MainState m_main;
    DocumentContext m_ctx{m_doc, m_tree, m_prompter, &m_main};
    ScriptedWizard m_wizard;
    TempDir m_dir;
};

TEST_F(ImportBuildTest, RecordsBeyondTheInputsBecomeTrimmedUnassignedZones) {
    FixedRecords importer(m_prompter, PaddedRecords(30));
    m_prompter.m_unitModelAnswers = {{{2, 3}, false}, {{2, 3}, false}, {{1, 0}, true}};
    BuildFromImport(m_ctx, importer);

    EXPECT_EQ(m_prompter.m_unitModelAsks, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(InputArches(), Numbers(101, 104));
    EXPECT_EQ(m_doc.m_nodes[3].m_strName, "Zone 0");
    ASSERT_EQ(m_doc.m_zones.size(), 26u);
    EXPECT_EQ(m_doc.m_zones.front(), (CZoneEntry{"105", "Zone 4", 4}));
    EXPECT_EQ(m_doc.m_zones.back(), (CZoneEntry{"130", "Zone 29", 29}));
    EXPECT_EQ(m_doc.m_nPortCount, 4);
    EXPECT_EQ(m_doc.m_nCiuCount, 0);

    EXPECT_EQ(m_doc.m_strWizardFile, "");
    EXPECT_EQ(m_doc.m_nDialDigits, 3);
    EXPECT_EQ(m_doc.m_nIdleDelay, 3);
    EXPECT_EQ(m_doc.m_nConfigSource, 4);
    EXPECT_EQ(m_doc.m_bIdleNoVideo, 0);
    EXPECT_EQ(m_doc.m_byTimeRefresh, 2);
    EXPECT_EQ(m_doc.m_nPriority, 5);
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_EQ(m_doc.GetPathName(), "") << "a Save must not overwrite the old file";
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_bConflicts, 0);
    EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "untitled System");
}

TEST_F(ImportBuildTest, ThirtyRecordsFitAnEightPortUnitWithOneCameraInterfaceUnit) {
    FixedRecords importer(m_prompter, PaddedRecords(30));
    AnswerUnitModel(2, 1);
    BuildFromImport(m_ctx, importer);
    const auto arches = InputArches();
    ASSERT_EQ(arches.size(), 31u);
    EXPECT_EQ(std::vector<std::string>(arches.begin(), arches.begin() + 30), Numbers(101, 130));
    EXPECT_TRUE(m_doc.m_zones.empty());
    const CConfigNode& last = m_doc.m_nodes.back();
    EXPECT_EQ(last.m_strLabel, "Input 8");
    EXPECT_TRUE(last.IsNonPageable());
}

TEST(GeneratedNumbering, ZonesAndOffsetBySystem) {
    struct Case {
        int system, expansion, digits;
        std::optional<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {1, 3, 2, {{56, 10}}},   {1, 2, 2, {{40, 10}}},   {1, 8, 3, {{136, 100}}},
        {1, 9, 3, {{136, 100}}}, {2, 2, 3, {{48, 100}}},  {2, 15, 3, {{360, 100}}},
        {3, 3, 2, {{90, 9}}},    {3, 3, 3, {{96, 100}}},  {3, 0, 2, {{24, 9}}},
        {1, 1, 4, std::nullopt}, {2, 1, 1, std::nullopt}, {0, 1, 2, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto n = GeneratedNumberingFor(c.system, c.expansion, c.digits);
        ASSERT_EQ(n.has_value(), c.expected.has_value()) << c.system << " " << c.expansion;
        if (n) {
            EXPECT_EQ(std::make_pair(n->m_nZones, n->m_nOffset), *c.expected);
        }
    }
}

TEST(PagingFileKind, DecidedOnTheNameIgnoringCase) {
    const std::pair<const char*, PagingFileKind> cases[] = {
        {"C:\\DATA\\SITE.MDB", PagingFileKind::Database},
        {"/data/site.mdb", PagingFileKind::Database},
        {"/data/site.qpx", PagingFileKind::Quillon},
        {"/data/SITEQPX", PagingFileKind::Quillon},
        {"/qpx.mdb/x", PagingFileKind::Database},
        {"C:\\LU\\TDX_FILE.DAT", PagingFileKind::Lunetta},
        {"/lu/tdx_bd01.usr", PagingFileKind::Lunetta},
        {"/data/site.mdbx", PagingFileKind::Database},
        {"/data/sitemdb", PagingFileKind::Lunetta},
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(PagingFileKindOf(name), kind) << name;
}

TEST_F(ImportBuildTest, DescribedQuillonNumbersInputsAndZones) {
    m_wizard.m_answers = Described(1, 3, 2, 1, 0);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);
    EXPECT_EQ(InputArches(), Numbers(11, 14));
    EXPECT_EQ(ZoneArches(), Numbers(15, 66));
    EXPECT_EQ(m_doc.m_zones.front().m_nZoneId, 5);
    EXPECT_EQ(m_doc.m_zones.back().m_nZoneId, 56);
    EXPECT_EQ(m_doc.m_zones.front().m_strName, "");
    EXPECT_EQ(m_doc.m_nPagingSystem, 1);
    EXPECT_EQ(m_doc.m_nConfigSource, 5);
    EXPECT_EQ(m_doc.m_nDialDigits, 2);
    EXPECT_EQ(m_doc.m_nIdleDelay, 3);
    EXPECT_EQ(m_doc.m_byTimeRefresh, 2);
    EXPECT_EQ(m_doc.m_bIdleNoVideo, 1) << "left as it was";
    EXPECT_EQ(m_doc.m_strImportPath, "");
    EXPECT_EQ(m_doc.m_strWizardFile, "");
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_bConflicts, 0);
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{501, 502, 503, 504}));
}

TEST_F(ImportBuildTest, DescribedM7700CutsTheZonesAtNinety) {
    m_wizard.m_answers = Described(3, 3, 2, 2, 2);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);
    EXPECT_EQ(InputArches(), Numbers(10, 63));
    EXPECT_EQ(ZoneArches(), Numbers(64, 99));
}

TEST_F(ImportBuildTest, DescribedLunettaCardLeavesInputsNonPageable) {
    m_wizard.m_answers = Described(2, 1, 3, 2, 1);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);
    EXPECT_TRUE(m_doc.m_zones.empty());
    const auto arches = InputArches();
    ASSERT_EQ(arches.size(), 31u);
    EXPECT_EQ(std::vector<std::string>(arches.begin(), arches.begin() + 24), Numbers(101, 124));
    int nonPageable = 0;
    for (int i = kFixedNodeCount; i < m_doc.NodeCount(); ++i)
        nonPageable += m_doc.IsInput(i) && m_doc.m_nodes[i].IsNonPageable();
    EXPECT_EQ(nonPageable, 7);
}

TEST_F(ImportBuildTest, ImpossibleAnswersBuildNothing) {
    const std::string before = EncodeZrt(m_doc);
    for (const WizardAnswers& a :
         {Described(1, 1, 4, 1, 0), Described(7, 1, 2, 1, 0), NamedFile("", "", 1, 0), [] {
              WizardAnswers a;
              a.m_nInputMethod = 6;
              return a;
          }()}) {
        m_wizard.m_answers = a;
        EXPECT_EQ(RunSetupWizard(m_ctx, m_wizard), 1);
        EXPECT_EQ(EncodeZrt(m_doc), before);
    }
}

TEST_F(ImportBuildTest, NamedLunettaFolderKeepsItsAdministrators) {
    std::vector<std::string> lines(15, "1");
    lines[0] = "0";
    m_dir.Write("TDX_FILE.DAT", TdxFile(lines));
    m_dir.Write("tdx_admn.usr", AdminFile({{6, 1}, {6, 2}, {6, 3}, {6, 4}}));
    // A control character in a name becomes a blank.
    m_dir.Write("tdx_bd01.usr", BoardFile({{0x01, 0x01, "Off\tice"}, {0x01, 0x02, "Hall"}}));
    const std::string picked = m_dir.PathOf("tdx_bd01.usr");
    m_wizard.m_answers = NamedFile(picked, "", 1, 0);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);

    EXPECT_EQ(InputArches(), (std::vector<std::string>{"101", "102", "*999", "*998"}));
    EXPECT_EQ(m_doc.m_nodes[3].m_strName, "Off ice");
    EXPECT_EQ(m_doc.m_zones.size(), 20u);
    EXPECT_EQ(m_doc.m_zones.front(), (CZoneEntry{"*997", "", 4}));
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{601, 602, 603, 604}));
    EXPECT_EQ(m_doc.m_nPagingSystem, 2);
    EXPECT_EQ(m_doc.m_nDialDigits, 3);
    EXPECT_EQ(m_doc.m_nConfigSource, 4);
    EXPECT_EQ(m_doc.m_strImportPath, picked);
    EXPECT_EQ(m_doc.m_strWizardFile, "");
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_prompter.m_unitModelAsks.empty()) << "the wizard already asked";
    EXPECT_EQ(m_doc.m_bConflicts, 0);
}

TEST_F(ImportBuildTest, NamedQuillonFileUsesTwoDigitsAndDefaultAdministrators) {
    const std::string path = m_dir.Write(
        "site.QPX", QpxFile(3).Zone(0, 0, 0xF101).Zone(1, 0x20, 0xF201).Zone(2, 0, 0xF301).Bytes());
    m_doc.m_adminArch = {1, 2, 3, 4};
    m_wizard.m_answers = NamedFile(path, "", 1, 0);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);
    const auto arches = InputArches();
    EXPECT_EQ(arches[0], "101");
    EXPECT_EQ(arches[1], "103");
    EXPECT_EQ(m_doc.m_nodes[4].m_nZoneId, 2);
    EXPECT_EQ(m_doc.m_nPagingSystem, 1);
    EXPECT_EQ(m_doc.m_nDialDigits, 2);
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{501, 502, 503, 504}));
}

TEST_F(ImportBuildTest, AGivenKindOverridesTheName) {
    // A Quillon export saved under a Lunetta-looking name, read as Quillon.
    const std::string path = m_dir.Write("site.dat", QpxFile(1).Zone(0, 0, 0xF101).Bytes());
    WizardAnswers answers = NamedFile(path, "", 1, 0);
    answers.m_nInputMethod = -1;
    ASSERT_EQ(BuildFromPagingFile(m_ctx, answers, PagingFileKind::Quillon), 0);
    EXPECT_EQ(InputArches()[0], "101");
    EXPECT_EQ(m_doc.m_nPagingSystem, 1);
    EXPECT_EQ(m_doc.m_nConfigSource, 4);

    // A Lunetta folder named by the folder itself.
    std::vector<std::string> lines(15, "1");
    lines[0] = "0";
    m_dir.Write("TDX_FILE.DAT", TdxFile(lines));
    m_dir.Write("tdx_admn.usr", AdminFile({{6, 1}, {6, 2}, {6, 3}, {6, 4}}));
    m_dir.Write("tdx_bd01.usr", BoardFile({{0x03, 0x01, "Store"}}));
    answers.m_strPagingFile = m_dir.Folder();
    ASSERT_EQ(BuildFromPagingFile(m_ctx, answers, PagingFileKind::Lunetta), 0);
    EXPECT_EQ(InputArches()[0], "301");
    EXPECT_EQ(m_doc.m_nPagingSystem, 2);
}

TEST_F(ImportBuildTest, AFileThatCannotBeReadLeavesTheConfigurationAsItWas) {
    const std::string before = EncodeZrt(m_doc);
    const std::string unreadable[] = {m_dir.PathOf("nothing-here/TDX_FILE.DAT"),
                                      m_dir.Write("bad.qpx", std::string(4, '\x09')),
                                      m_dir.PathOf("absent.mdb")};
    for (const std::string& path : unreadable) {
        m_prompter.m_shown.clear();
        m_wizard.m_answers = NamedFile(path, "", 1, 0);
        EXPECT_EQ(RunSetupWizard(m_ctx, m_wizard), 1) << path;
        EXPECT_EQ(EncodeZrt(m_doc), before) << path;
        EXPECT_FALSE(m_doc.IsModified()) << path;
        EXPECT_EQ(m_doc.m_bConflicts, 1) << path;
        // A folder without TDX_FILE.DAT is left to the caller's one message.
        const bool lunetta = path == unreadable[0];
        EXPECT_EQ(m_prompter.m_shown.empty(), lunetta) << path << " says why";
    }
}

TEST_F(ImportBuildTest, NamedConfigurationFileIsOpened) {
    CZRTProDoc saved;
    MemoryTree savedTree;
    BuildNumbered(saved, savedTree, 8, 2, 300);
    ScriptedPrompter quiet;
    const std::string path = m_dir.PathOf("school.zrt");
    ASSERT_TRUE(SaveZrtFile(saved, path, quiet));

    m_wizard.m_answers = NamedFile("", path, 1, 1);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(EncodeZrt(m_doc), EncodeZrt(saved));
    EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "school System");
}

// A New that builds nothing gives back the configuration it put aside: the
// same file bytes, name, title, modified mark and root label; the pending
// password is gone, so that no later write carries it into another unit.
TEST_F(ImportBuildTest, NewThatBuildsNothingLeavesEverythingButThePendingPassword) {
    m_doc.m_bConflicts = 0;
    m_doc.m_nodes[3].m_strArch = "42";
    m_doc.SetModifiedFlag(true);
    m_tree.SetItemText(m_tree.RootItem(), "old System");
    m_main.m_strPendingPassword = "77";
    m_main.m_bPasswordPending = true;
    const std::string bytes = EncodeZrt(m_doc);
    const std::string broken = m_dir.Write("broken.zrt", "not a configuration");

    struct Case {
        const char* what;
        std::optional<WizardAnswers> answers;
        std::string lastText;  // the start of the last message; empty for none
        size_t messages;       // with the save question
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, "", 1},
        {"no Lunetta folder", NamedFile(m_dir.PathOf("TDX_FILE.DAT"), "", 1, 0),
         "Error, unable to initialize the tree view.(file new)", 2},
        {"a file that does not open", NamedFile("", broken, 1, 0), "Cannot open file:" + broken, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_prompter.m_shown.clear();
        m_prompter.m_answers = {PromptAnswer::No};  // keep the edits out of any file
        m_wizard.m_answers = c.answers;
        NewConfigurationCommand(m_ctx, m_wizard);
        const auto texts = m_prompter.Texts();
        ASSERT_EQ(texts.size(), c.messages);
        EXPECT_EQ(texts.front(), "Save changes to old.zrt?");
        EXPECT_EQ(texts.size() == 1 ? "" : texts.back().substr(0, c.lastText.size()), c.lastText);
        EXPECT_EQ(EncodeZrt(m_doc), bytes);
        EXPECT_EQ(m_doc.GetPathName(), "/sites/old.zrt");
        EXPECT_EQ(m_doc.GetTitle(), "old.zrt");
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_TRUE(m_doc.m_bTreeBuilt);
        EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "old System");
        EXPECT_EQ(m_main.m_strPendingPassword, "");
        EXPECT_FALSE(m_main.m_bPasswordPending);
        m_main.m_strPendingPassword = "77";
        m_main.m_bPasswordPending = true;
    }

    m_prompter.m_answers = {PromptAnswer::No};
    m_wizard.m_answers = Described(1, 1, 3, 1, 0);
    NewConfigurationCommand(m_ctx, m_wizard);
    EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "untitled System");
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_FALSE(m_main.m_bPasswordPending);
    EXPECT_EQ(m_wizard.m_nRuns, 4);
}

TEST_F(ImportBuildTest, StartupWizardRunsOnlyOnAnEmptyTree) {
    StartupWizardCommand(m_ctx, m_wizard);
    EXPECT_EQ(m_wizard.m_nRuns, 0);

    m_tree.DeleteAllItems();
    StartupWizardCommand(m_ctx, m_wizard);  // cancelled: no message
    EXPECT_EQ(m_wizard.m_nRuns, 1);
    EXPECT_TRUE(m_prompter.m_shown.empty());

    m_wizard.m_answers = Described(1, 1, 5, 1, 0);
    StartupWizardCommand(m_ctx, m_wizard);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{
                  "Error, unable to initialize the tree view.(left tree runwizard)"});
}

TEST_F(ImportBuildTest, LunettaImportCommandBuildsFromTheChosenFolder) {
    std::vector<std::string> lines(15, "1");
    lines[1] = "0";
    m_dir.Write("TDX_FILE.DAT", TdxFile(lines));
    m_dir.Write("tdx_admn.usr", AdminFile({{7, 1}, {7, 2}, {7, 3}, {7, 4}}));
    m_dir.Write("tdx_bd02.usr", BoardFile({{0x02, 0x01, "G\x01y\x7Fm"}}));
    MemoryProfile profile;
    profile.SetString("Directories", "LastUnitFileDir", "/start/");
    m_prompter.m_files.push_back(m_dir.PathOf("TDX_FILE.DAT"));
    AnswerUnitModel(1, 0);

    ASSERT_TRUE(ImportPagingFile(m_ctx, profile, ImportKind::Lunetta));
    EXPECT_EQ(m_prompter.m_fileChoices, std::vector<FileChoice>{FileChoice::OpenLunetta});
    EXPECT_EQ(profile.GetString("Directories", "LastUnitFileDir", ""), m_dir.Folder());
    EXPECT_EQ(InputArches()[0], "201");
    EXPECT_EQ(m_doc.m_nodes[3].m_strName, "G y m");
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{701, 702, 703, 704}));
    EXPECT_EQ(m_doc.m_nPagingSystem, 2);
    EXPECT_EQ(m_doc.m_strImportPath, m_dir.PathOf("TDX_FILE.DAT"));
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_TRUE(m_doc.IsModified()) << "never saved: leaving it offers to save";
}

TEST_F(ImportBuildTest, M7700ImportCommandBuildsFromTheDatabase) {
    const std::string path =
        m_dir.Write("site.mdb", M7700Database::Site(0, M7700Database::Stations(30)).Bytes());
    MemoryProfile profile;
    m_prompter.m_files.push_back(path);
    m_doc.m_adminArch = {1, 2, 3, 4};
    AnswerUnitModel(1, 0);

    ASSERT_TRUE(ImportPagingFile(m_ctx, profile, ImportKind::M7700));
    EXPECT_EQ(m_prompter.m_fileChoices, std::vector<FileChoice>{FileChoice::OpenM7700});
    EXPECT_EQ(InputArches(), Numbers(101, 104));
    EXPECT_EQ(m_doc.m_nodes[3].m_strName, "Station 1");
    // Only the first 24 rows are read for a system without expansion units.
    EXPECT_EQ(ZoneArches(), Numbers(105, 124));
    EXPECT_EQ(m_doc.m_zones.back(), (CZoneEntry{"124", "Station 24", 23}));
    EXPECT_EQ(m_doc.m_nPagingSystem, 3);
    EXPECT_EQ(m_doc.m_nDialDigits, 3);
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{501, 502, 503, 504}));
    EXPECT_EQ(m_doc.m_strImportPath, path);
}

// An import replaces the configuration: unsaved edits are offered for saving
// first, and only a No or a save that worked lets the import go on.
TEST_F(ImportBuildTest, ImportCommandOffersToSaveEditsFirst) {
    const std::string path =
        m_dir.Write("site.mdb", M7700Database::Site(0, M7700Database::Stations(6)).Bytes());
    MemoryProfile profile;
    m_doc.SetModifiedFlag(true);
    const auto before = InputArches();
    // Cancel; then Yes, whose save is refused while Arch Numbers conflict.
    for (PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::Yes}) {
        m_prompter.m_shown.clear();
        m_prompter.m_answers = {answer};
        m_prompter.m_files = {path};
        EXPECT_FALSE(ImportCommand(m_ctx, profile, ImportKind::M7700));
        ASSERT_FALSE(m_prompter.m_shown.empty());
        EXPECT_EQ(m_prompter.m_shown[0].m_strText, "Save changes to old.zrt?");
        EXPECT_EQ(m_prompter.m_shown[0].m_buttons, PromptButtons::YesNoCancel);
        EXPECT_TRUE(m_prompter.m_fileChoices.empty());
        EXPECT_EQ(InputArches(), before);
        EXPECT_EQ(m_doc.GetPathName(), "/sites/old.zrt");
        EXPECT_TRUE(m_doc.IsModified());
    }

    m_main.m_bBusy = true;
    m_prompter.m_shown.clear();
    EXPECT_FALSE(ImportCommand(m_ctx, profile, ImportKind::M7700));
    EXPECT_TRUE(m_prompter.m_shown.empty());
    m_main.m_bBusy = false;

    m_prompter.m_answers = {PromptAnswer::No};
    AnswerUnitModel(1, 0);
    ASSERT_TRUE(ImportCommand(m_ctx, profile, ImportKind::M7700));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Save changes to old.zrt?"});
    EXPECT_EQ(InputArches(), Numbers(101, 104));
    EXPECT_EQ(ZoneArches(), Numbers(105, 106));
    EXPECT_TRUE(m_doc.IsModified());

    // Nothing to lose (as after a save): no question.
    m_doc.SetModifiedFlag(false);
    m_prompter.m_shown.clear();
    m_prompter.m_files = {path};
    AnswerUnitModel(2, 0);
    ASSERT_TRUE(ImportCommand(m_ctx, profile, ImportKind::M7700));
    EXPECT_TRUE(m_prompter.m_shown.empty());
    EXPECT_EQ(InputArches().size(), 8u);
}

TEST_F(ImportBuildTest, NamedDatabaseUsesTwoDigits) {
    const std::string path =
        m_dir.Write("SITE.MDB", M7700Database::Site(3, M7700Database::Stations(50)).Bytes());
    m_wizard.m_answers = NamedFile(path, "", 2, 2);
    ASSERT_EQ(RunSetupWizard(m_ctx, m_wizard), 0);
    // 54 inputs take all 50 rows of a system with three expansion units.
    const auto arches = InputArches();
    ASSERT_EQ(arches.size(), 54u);
    EXPECT_EQ(std::vector<std::string>(arches.begin(), arches.begin() + 50), Numbers(101, 150));
    EXPECT_EQ(m_doc.m_zones.size(), 0u);
    EXPECT_EQ(m_doc.m_nPagingSystem, 3);
    EXPECT_EQ(m_doc.m_nDialDigits, 2);
    EXPECT_EQ(m_doc.m_nCiuCount, 2);
    EXPECT_EQ(m_doc.m_nPortCount, 8);
}

TEST_F(ImportBuildTest, ImportCommandThatCannotReadChangesNothing) {
    const std::string before = EncodeZrt(m_doc);
    MemoryProfile profile;
    ASSERT_FALSE(ImportPagingFile(m_ctx, profile, ImportKind::Lunetta));  // dialog cancelled
    EXPECT_TRUE(m_prompter.m_shown.empty());

    m_prompter.m_files.push_back(m_dir.PathOf("TDX_FILE.DAT"));
    ASSERT_FALSE(ImportPagingFile(m_ctx, profile, ImportKind::Lunetta));
    EXPECT_EQ(m_prompter.Texts().back(), "unable to open file " + m_dir.PathOf("TDX_FILE.DAT"));
    EXPECT_TRUE(m_prompter.m_unitModelAsks.empty());
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_EQ(m_doc.GetPathName(), "/sites/old.zrt");
}

}  // namespace

// New and an import replace the configuration and start its edit history
// afresh; a New that builds nothing leaves the history as it was.
TEST_F(ImportBuildTest, ReplacingTheConfigurationStartsAFreshHistory) {
    const std::string mdb =
        m_dir.Write("site.mdb", M7700Database::Site(0, M7700Database::Stations(6)).Bytes());
    MemoryProfile profile;
    const struct {
        const char* what;
        std::function<void()> replace;
        bool keepsHistory;
    } cases[] = {
        {"New",
         [&] {
             m_wizard.m_answers = Described(1, 1, 3, 1, 0);
             NewConfigurationCommand(m_ctx, m_wizard);
         },
         false},
        {"New cancelled",
         [&] {
             m_wizard.m_answers.reset();
             NewConfigurationCommand(m_ctx, m_wizard);
         },
         true},
        {"import",
         [&] {
             m_prompter.m_files = {mdb};
             AnswerUnitModel(1, 0);
             ASSERT_TRUE(ImportCommand(m_ctx, profile, ImportKind::M7700));
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_main.m_history.Start(m_doc);
        m_doc.m_nIdleDelay = 12;
        m_main.m_history.Record(m_doc, "Change Idle Loop Delay", nullptr);
        m_prompter.m_answers = {PromptAnswer::No};
        c.replace();
        EXPECT_EQ(m_main.m_history.CanUndo(), c.keepsHistory);
        EXPECT_FALSE(m_main.m_history.CanRedo());
    }
}
