#include <gtest/gtest.h>

#include <algorithm>

#include "UnitRig.h"
#include "model/ZrtCodec.h"
#include "unit/ReadUnit.h"
#include "unit/UnitCommands.h"
#include "unit/WriteUnit.h"

namespace {

class UnitCancelTest : public ::testing::Test, public UnitRig {
protected:
    // Cancel is pressed at the `pump`th repaint of the transfer.
    void CancelAt(int pump) {
        m_prompter.m_onPump = [this, pump](int n) {
            if (n == pump) m_state.m_bCancelRequested = true;
        };
    }
    void ExpectIdleAndDisconnected() {
        EXPECT_FALSE(m_unit.InProgrammingMode());
        EXPECT_FALSE(m_state.m_bBusy);
        EXPECT_EQ(m_link.comm_GetConnectedStatus(), 0);
        // The page of the tree came back after the progress page.
        const auto shown = std::find(m_ui.m_events.rbegin(), m_ui.m_events.rend(), "ShowLinkPage");
        ASSERT_NE(shown, m_ui.m_events.rend());
        EXPECT_NE(std::find_if(m_ui.m_events.rbegin(), shown,
                               [](const std::string& e) { return e.rfind("RestorePage", 0) == 0; }),
                  shown);
        EXPECT_EQ(m_ui.m_nWaitDepth, 0);
    }
};

}  // namespace

TEST_F(UnitCancelTest, CancelledWriteStopsAndSaysTheUnitIsPartlyWritten) {
    LoadSmallSite();
    m_state.m_bEnableVerify = true;
    CancelAt(3);
    // The unit is let go before the user is told, not once the message is closed.
    bool connectedWhileTold = true;
    m_prompter.m_onMessage = [this, &connectedWhileTold](const std::string&) {
        connectedWhileTold = m_link.comm_GetConnectedStatus() != 0 || m_unit.InProgrammingMode();
    };
    EXPECT_FALSE(WriteCommand(m_ctx));
    EXPECT_FALSE(connectedWhileTold);
    // One message, with how far the write got.
    const auto total = std::count_if(m_state.m_image.begin(), m_state.m_image.end(),
                                     [](uint8_t v) { return v != 0xFF; });
    EXPECT_EQ(m_prompter.Texts(),
              Texts{StrFormat("Write stopped at %d %%. The unit is partly written and will not "
                              "work until a whole configuration is written to it.",
                              static_cast<int>(m_link.CountSent(0x04) * 100 / total))});
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Unit partly written.");
    EXPECT_TRUE(m_state.m_bUnitPartlyWritten);
    ExpectIdleAndDisconnected();
    // Stopped after the message in flight; no verify read followed.
    const auto cells = std::count_if(m_state.m_writtenImage.begin(), m_state.m_writtenImage.end(),
                                     [](uint8_t v) { return v != 0xFF; });
    EXPECT_GT(m_link.CountSent(0x04), 0);
    EXPECT_LT(m_link.CountSent(0x04), cells);
    EXPECT_EQ(m_link.CountSent(0x05), 0);
}

// Cancel during a write asks first: No lets the write run to its end, Yes
// stops it. A read stops at once.
TEST_F(UnitCancelTest, CancellingAWriteAsksFirst) {
    LoadSmallSite();
    m_prompter.m_onPump = [this](int n) {
        if (n == 3) RequestTransferCancel(m_state, m_prompter);
    };
    const std::string question = "Stop writing? The unit will be left partly written.";
    m_prompter.m_answers = {PromptAnswer::No};
    EXPECT_TRUE(WriteCommand(m_ctx));
    EXPECT_EQ(m_prompter.Texts(), Texts{question});
    EXPECT_EQ(m_prompter.m_shown[0].m_buttons, PromptButtons::YesNo);

    m_prompter.m_shown.clear();
    m_prompter.m_nPumps = 0;
    m_prompter.m_answers = {PromptAnswer::Yes};
    EXPECT_FALSE(WriteCommand(m_ctx));
    EXPECT_EQ(m_prompter.Texts(),
              (Texts{question,
                     "Write stopped at 0 %. The unit is partly written and will not work until a "
                     "whole configuration is written to it."}));
    ExpectIdleAndDisconnected();

    m_prompter.m_shown.clear();
    m_prompter.m_nPumps = 0;
    m_doc.SetModifiedFlag(false);
    EXPECT_FALSE(ReadCommand(m_ctx));
    EXPECT_EQ(m_prompter.Texts(), Texts{"Read stopped; the configuration is unchanged."});
}

TEST_F(UnitCancelTest, CancelledReadLeavesTheConfigurationAsItWas) {
    LoadSmallSite();
    ASSERT_TRUE(WriteCommand(m_ctx));
    const std::string before = EncodeZrt(m_doc);
    m_prompter.m_shown.clear();
    m_prompter.m_nPumps = 0;
    CancelAt(10);
    EXPECT_FALSE(ReadCommand(m_ctx));
    EXPECT_EQ(m_prompter.Texts(), Texts{"Read stopped; the configuration is unchanged."});
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_GT(m_link.CountSent(0x05), 0);
    EXPECT_LT(m_link.CountSent(0x05), 2048);
    ExpectIdleAndDisconnected();

    // The next command starts without the old request.
    AnswerFourPorts();
    m_prompter.m_onPump = nullptr;
    m_doc.SetModifiedFlag(false);
    EXPECT_TRUE(ReadCommand(m_ctx));
}

TEST_F(UnitCancelTest, AFailedVerifyListsTheDifferingCells) {
    LoadSmallSite();
    ASSERT_TRUE(WriteCommand(m_ctx));
    for (uint16_t a : {0x0010, 0x5300, 0xFFE1}) m_unit.SetCell(a, 0x77);
    m_state.m_bVerifyPass = true;
    m_state.m_bEnableVerify = true;
    EXPECT_FALSE(ReadUnit(m_ctx));
    EXPECT_EQ(m_state.m_nVerifyDifferences, 3u);
    ASSERT_EQ(m_state.m_verifyDifferences.size(), 3u);
    const std::vector<uint32_t> expected = {0x0010, 0x5300, 0xFFE1};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_state.m_verifyDifferences[i].m_nAddress, expected[i]);
        EXPECT_EQ(m_state.m_verifyDifferences[i].m_byRead, 0x77);
        EXPECT_EQ(m_state.m_verifyDifferences[i].m_byWritten, m_state.m_writtenImage[expected[i]]);
    }
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Write verification failed.  3 cells differ.");
}
