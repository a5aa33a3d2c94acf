#include <gtest/gtest.h>

#include "import/ImportBuild.h"
#include "import/M7700Database.h"
#include "import/SpawnProcessRunner.h"
#include "import/StationAnswer.h"
#include "model/MemoryProfile.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/FakeHelper.h"
#include "support/HelperEndings.h"
#include "support/ScriptedPrompter.h"

namespace {

using namespace std::chrono_literals;
using Ending = ProcessOutcome::Ending;

TEST(SpawnProcessRunner, EveryWayAHelperEnds) {
    TempDir dir;
    SpawnProcessRunner runner;
    for (const HelperEnding& c : HelperEndings()) {
        const ProcessOutcome run = runner.Run(
            {WriteFakeHelper(dir, "helper", c.body), {}, kHelperEndingBound, c.limit, {}});
        EXPECT_EQ(run.m_ending, c.ending) << c.what;
        EXPECT_EQ(run.m_nExitCode, c.exitCode) << c.what;
        EXPECT_EQ(run.m_strOutput, c.output) << c.what;
    }
    EXPECT_EQ(runner.Run({dir.PathOf("absent"), {}, 100, 10s, {}}).m_ending, Ending::NotStarted);
}

TEST(SpawnProcessRunner, TheHelperGetsItsArgumentsAsGiven) {
    TempDir dir;
    const std::string helper = WriteFakeHelper(dir, "helper", "printf '%s|' \"$@\"");
    const ProcessOutcome run =
        SpawnProcessRunner().Run({helper, {"--", "a b", "", "$HOME"}, 100, 10s, {}});
    EXPECT_EQ(run.m_strOutput, "--|a b||$HOME|");
}

StationDatabaseResult Site() {
    StationDatabaseResult result;
    result.m_strEngineText = "why";
    result.m_records = {{0, " 101", "Lobby"}, {-1, "", std::string(255, 'n')}};
    return result;
}

TEST(StationAnswer, ReadsBackWhatTheHelperWrites) {
    const StationDatabaseResult site = Site();
    for (const std::string& mark : {std::string(), std::string("O")}) {
        const auto back = StationAnswer::Decode(mark + StationAnswer::Encode(site));
        ASSERT_TRUE(back) << mark;
        EXPECT_EQ(back->m_outcome, site.m_outcome);
        EXPECT_EQ(back->m_strEngineText, "why");
        ASSERT_EQ(back->m_records.size(), 2u);
        EXPECT_EQ(back->m_records[1].m_nZoneId, -1);
        EXPECT_EQ(back->m_records[1].m_strName, site.m_records[1].m_strName);
        EXPECT_EQ(StationAnswer::Opened(mark + StationAnswer::Encode(site)), !mark.empty());
    }
}

TEST(StationAnswer, AnswersBreakingABoundAreRefused) {
    const std::string good = StationAnswer::Encode(Site());
    const auto u32 = [](uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    };
    StationDatabaseResult longName = Site();
    longName.m_records[0].m_strName.assign(256, 'n');
    StationDatabaseResult cancelled = Site();
    cancelled.m_outcome = StationDatabaseResult::Outcome::Cancelled;
    const std::pair<const char*, std::string> cases[] = {
        {"nothing", ""},
        {"two marks", "OO" + good},
        {"no result mark", good.substr(1)},
        {"cut in a record", good.substr(0, good.size() - 1)},
        {"a byte after the end", good + "x"},
        {"an outcome never written", std::string("R\x09") + u32(0) + u32(0)},
        {"cancelled is no answer", StationAnswer::Encode(cancelled)},
        {"an engine text too long", std::string("R\x01") + u32(4097) + std::string(4097, 'x')},
        {"too many records", std::string("R\x00", 2) + u32(0) + u32(kMostStations + 1)},
        {"a text longer than its room", StationAnswer::Encode(longName)},
        {"a length beyond the answer", std::string("R\x01") + u32(0xFFFFFFFF)},
        {"more than the bound", good + std::string(StationAnswer::kMostBytes, '\0')},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(StationAnswer::Decode(bytes)) << what;
}

// A runner that ends every run the same way, as a hung or cancelled helper does.
class EndingRunner : public ProcessRunner {
public:
    explicit EndingRunner(Ending ending) : m_ending(ending) {}
    ProcessOutcome Run(const ProcessCall& call) override {
        m_calls.push_back(call);
        ProcessOutcome outcome;
        outcome.m_ending = m_ending;
        return outcome;
    }
    Ending m_ending;
    std::vector<ProcessCall> m_calls;
};

class FailingHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildNumbered(m_doc, m_tree, 4, 0, 700);
        m_doc.SetPathName("/sites/old.zrt");
        m_doc.SetModifiedFlag(false);
        m_before = EncodeZrt(m_doc);
    }
    // File > Import of a sound database; true when a configuration was built.
    bool Import() {
        m_prompter.m_shown.clear();
        m_prompter.m_files.push_back(m_database);
        return ImportPagingFile(m_ctx, m_profile, ImportKind::M7700);
    }
    void ExpectNothingChanged(const std::string& what) {
        EXPECT_EQ(EncodeZrt(m_doc), m_before) << what;
        EXPECT_EQ(m_doc.GetPathName(), "/sites/old.zrt") << what;
        EXPECT_FALSE(m_doc.IsModified()) << what;
        EXPECT_TRUE(m_prompter.m_unitModelAsks.empty()) << what;
    }
    std::string Stopped() const {
        return "The database engine stopped while reading '" + m_database +
               "': the file is damaged.";
    }

    TempDir m_dir;
    const std::string m_database =
        m_dir.Write("site.mdb", M7700Database::Site(0, M7700Database::Stations(30)).Bytes());
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MainState m_main;
    MemoryProfile m_profile;
    DocumentContext m_ctx{m_doc, m_tree, m_prompter, &m_main};
    std::string m_before;
};

TEST_F(FailingHelperTest, AHelperThatCrashesOrAnswersGarbageChangesNothing) {
    const std::string openError = "db open error";
    const std::string tableTrouble = "trouble with Clids or sysconfig database table";
    struct Case {
        const char* what;
        std::string body;
        std::string first;
    };
    const Case cases[] = {
        {"crashes at once", "kill -SEGV $$", openError},
        {"crashes once the database opened", "printf O; kill -SEGV $$", tableTrouble},
        {"answers garbage", "printf 'garbage'", openError},
        {"answers garbage once opened", "printf 'ORxx'", tableTrouble},
        {"answers and fails", std::string("'") + ZRTPRO_MDBREAD + "' \"$@\"; exit 1", tableTrouble},
        {"answers without end", "exec yes", openError},
    };
    for (const Case& c : cases) {
        const StationHelperOverride helper(WriteFakeHelper(m_dir, "helper", c.body));
        EXPECT_FALSE(Import()) << c.what;
        EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{c.first, Stopped()})) << c.what;
        ExpectNothingChanged(c.what);
    }

    const StationHelperOverride absent(m_dir.PathOf("absent"));
    EXPECT_FALSE(Import());
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{openError,
                                        "The database engine could not be started to "
                                        "read '" +
                                            m_database + "'."}));
    ExpectNothingChanged("no helper");
}

TEST_F(FailingHelperTest, AHungHelperFailsAndACancelledOneSaysNothing) {
    EndingRunner hung(Ending::TimedOut);
    m_ctx.m_pProcesses = &hung;
    EXPECT_FALSE(Import());
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"db open error", Stopped()}));
    ExpectNothingChanged("hung");
    ASSERT_EQ(hung.m_calls.size(), 1u);
    EXPECT_EQ(hung.m_calls[0].m_args, (std::vector<std::string>{"--", m_database}));
    EXPECT_EQ(hung.m_calls[0].m_limit, 30s);

    EndingRunner cancelled(Ending::Cancelled);
    m_ctx.m_pProcesses = &cancelled;
    EXPECT_FALSE(Import());
    EXPECT_TRUE(m_prompter.m_shown.empty());
    ExpectNothingChanged("cancelled");
}

}  // namespace
