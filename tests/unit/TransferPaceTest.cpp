#include <gtest/gtest.h>

#include <algorithm>

#include "UnitRig.h"
#include "unit/ReadUnit.h"
#include "unit/TransferPace.h"
#include "unit/WriteUnit.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using Lines = std::vector<std::pair<std::string, std::string>>;

// A line where every message sent takes one second.
class MessageClock : public UnitClock {
public:
    explicit MessageClock(const EmulatedLink& link) : m_link(link) {}
    std::tm LocalTime() override { return {}; }
    TimePoint Now() override { return TimePoint(seconds(m_link.m_sent.size())); }

private:
    const EmulatedLink& m_link;
};

bool Holds(const Lines& lines, const std::string& line, const std::string& elapsed) {
    return std::find(lines.begin(), lines.end(), std::make_pair(line, elapsed)) != lines.end();
}

}  // namespace

TEST(TransferPaceTest, TimesAsTheProgressPageShowsThem) {
    const struct {
        milliseconds elapsed;
        size_t done;
        size_t total;
        const char* line;
        const char* shown;
        const char* elapsedText;
    } cases[] = {
        // Until two seconds have passed, or while nothing is done, no estimate.
        {milliseconds(1999), 50, 100, "Writing...   50%", "Writing...   50%", "0:01 elapsed"},
        {seconds(30), 0, 100, "Writing...   00%", "Writing...   00%", "0:30 elapsed"},
        {seconds(2), 1, 3, "Reading...   33%", "Reading...   33%   0:04 left", "0:02 elapsed"},
        // 42.9 s for 45 of 100: 52.43 s left; the elapsed time counts whole seconds.
        {milliseconds(42900), 45, 100, "Writing...   45%", "Writing...   45%   0:52 left",
         "0:42 elapsed"},
        // 59.6 s left rounds to a whole minute.
        {milliseconds(59600), 50, 100, "Verifying...   50%", "Verifying...   50%   1:00 left",
         "0:59 elapsed"},
        {seconds(70), 100, 100, "Writing...   100%", "Writing...   100%   0:00 left",
         "1:10 elapsed"},
        // From an hour on, hours too.
        {seconds(1800), 1, 3, "Keeping...   33%", "Keeping...   33%   1:00:00 left",
         "30:00 elapsed"},
        {seconds(3725), 3725, 3725 * 2, "Writing...   50%", "Writing...   50%   1:02:05 left",
         "1:02:05 elapsed"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LineWithTimeLeft(c.line, c.elapsed, c.done, c.total), c.shown) << c.shown;
        EXPECT_EQ(ElapsedText(c.elapsed), c.elapsedText) << c.shown;
    }
}

// At a steady second a message, the time left is one second for every
// message still to go, and the progress page gets the time elapsed beside
// each line; the status bar only the line.
TEST(TransferPaceTest, AWriteAndItsVerifyShowTheTimeLeftFromThePaceSoFar) {
    UnitRig rig;
    rig.LoadSmallSite();
    rig.m_state.m_bEnableVerify = true;
    MessageClock clock(rig.m_link);
    UnitContext c{rig.m_doc, rig.m_tree, rig.m_prompter, rig.m_state, rig.m_link, rig.m_ui, clock};
    ASSERT_TRUE(WriteUnit(c));
    const Lines& lines = rig.m_prompter.m_transferLines;

    EXPECT_EQ(lines.front(),
              std::make_pair(std::string("Writing...   00%"), std::string("0:00 elapsed")));
    // At 0x8000, 146 of the 195 cells written: 49 to go.
    EXPECT_TRUE(Holds(lines, "Writing...   74%   0:49 left", "2:26 elapsed"));
    // The verify reads 2,048 blocks; at 0x8000 half of them are read.
    EXPECT_TRUE(Holds(lines, "Verifying...   00%", "0:01 elapsed"));
    EXPECT_TRUE(Holds(lines, "Verifying...   50%   17:04 left", "17:04 elapsed"));
    for (const std::string& status : rig.m_prompter.m_statusTexts)
        EXPECT_EQ(status.find("elapsed"), std::string::npos) << status;
}
