#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "UnitRig.h"
#include "unit/UnitCommands.h"
#include "unit/UnitMessages.h"
#include "unit/WriteUnit.h"

namespace {

class UnitWriteTest : public ::testing::Test, public UnitRig {};

// The small site's image as the unit holds it after a write: the password
// "abc" padded with NULs, and the unit's own switches byte.
std::vector<uint8_t> WrittenSmallSite() {
    std::vector<uint8_t> image = SmallSiteImage();
    const std::string password = Bytes().raw("abc").u8({0, 0, 0, 0, 0, 0});
    std::copy(password.begin(), password.end(), image.begin() + 0xFFD0);
    image[0xFFFD] = 0x5A;
    return image;
}

std::vector<uint16_t> NonErasedCells(const std::vector<uint8_t>& image) {
    std::vector<uint16_t> cells;
    for (size_t a = 0; a < image.size(); ++a)
        if (image[a] != 0xFF) cells.push_back(static_cast<uint16_t>(a));
    return cells;
}

}  // namespace

TEST_F(UnitWriteTest, UnitHoldsTheImagePasswordAndSwitchesWithOneWritePerCell) {
    LoadSmallSite();
    m_state.m_strPendingPassword = "abc";
    m_state.m_bPasswordPending = true;
    m_unit.SetCell(0x1234, 0x77);  // left over from an earlier configuration
    WriteCommand(m_ctx);

    EXPECT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(DifferingCells(m_unit.Eeprom(), WrittenSmallSite()), std::vector<size_t>{});
    EXPECT_EQ(WrittenAddresses(), NonErasedCells(WrittenSmallSite()));

    ASSERT_GE(m_link.m_sent.size(), 3u);
    EXPECT_EQ(m_link.m_sent[0].m_bytes, (std::vector<uint8_t>{0x03, 0x03, 0xFD, 0xFF}));
    EXPECT_EQ(m_link.m_sent[0].m_nTimeout, 0u);
    EXPECT_EQ(m_link.m_sent[1].m_bytes, (std::vector<uint8_t>{0x02, 0x2C, 0x00}));
    EXPECT_EQ(m_link.m_sent[1].m_nTimeout, 9000u);
    EXPECT_EQ(m_link.m_sent[2].m_bytes, (std::vector<uint8_t>{0x02, 0x2C, 0x01}));
    EXPECT_EQ(m_link.m_sent[2].m_nTimeout, 9000u);
    // 9999 is at 16965 = 0x4245; input code 0.
    const auto lobby = std::find_if(m_link.m_sent.begin(), m_link.m_sent.end(), [](const auto& s) {
        return s.m_bytes == std::vector<uint8_t>{0x04, 0x04, 0x45, 0x42, 0x00};
    });
    EXPECT_NE(lobby, m_link.m_sent.end());
    EXPECT_EQ(m_link.m_sent.size(), 3 + WrittenAddresses().size());

    EXPECT_EQ(m_link.m_calls, (Calls{"GetUserConnection", "SetProgrammingMode(1)",
                                     "SetProgrammingMode(0)", "Disconnect"}));
    EXPECT_FALSE(m_unit.InProgrammingMode());
    EXPECT_FALSE(m_state.m_bBusy);
    EXPECT_TRUE(m_state.m_bVerifyPass);
    EXPECT_EQ(m_state.m_writtenImage, SmallSiteImage());
    EXPECT_EQ(m_ui.m_events, (Calls{"ShowLinkPage", "RestorePage(0)", "StartRelayoutTimer"}));
    EXPECT_EQ(m_ui.m_nWaitDepth, 0);
}

TEST_F(UnitWriteTest, ProgressAndStatusTexts) {
    LoadSmallSite();
    WriteUnit(m_ctx);
    const Texts& status = m_prompter.m_statusTexts;
    ASSERT_GE(status.size(), 6u + 512u);
    EXPECT_EQ(Texts(status.begin(), status.begin() + 6),
              (Texts{"Attempting connect to M-4400 . . .", "Ready", "", "Clearing EEProm 0",
                     "Clearing EEProm 1", "Writing...   00%"}));
    EXPECT_EQ(status.back(), "");  // the transfer has ended
    EXPECT_EQ(std::count_if(status.begin(), status.end(),
                            [](const std::string& s) { return s.rfind("Writing...", 0) == 0; }),
              512);  // every 128 addresses
    // 195 cells are not erased: 146 below 0x8000 (4 in the Arch table, then 4 input
    // records of 24 and 2 zone records of 23, whose input code byte is 0xFF), 20 in
    // the idle records (the terminator starts with 0xFF) and 29 in the settings
    // (1 + 2 + 4 x 5 + 4, and 2 of the signature's 4).
    ASSERT_EQ(NonErasedCells(SmallSiteImage()).size(), 195u);
    EXPECT_EQ(status[5 + 256], "Writing...   74%");  // at 0x8000: 146 * 100 / 195
    EXPECT_EQ(status[5 + 511], "Writing...   85%");  // at 0xFF80: 166 * 100 / 195
    const std::vector<int>& progress = m_prompter.m_progress;
    EXPECT_EQ(progress[0], 2);
    EXPECT_EQ(progress[1], 4);
    EXPECT_TRUE(std::is_sorted(progress.begin() + 2, progress.end()));
    EXPECT_LE(progress.back(), 100);
}

TEST_F(UnitWriteTest, PasswordOfTheConnectionUnlessANewOneIsPending) {
    const struct {
        const char* unitPassword;
        const char* pending;  // null: none pending
        std::string cells;
    } cases[] = {
        {"", nullptr, std::string(9, '\0')},
        {"7731", nullptr, Bytes().raw("7731").u8({0, 0, 0, 0, 0})},
        {"7731", "newpw", Bytes().raw("newpw").u8({0, 0, 0, 0})},
        {"", "12345678", Bytes().raw("12345678").u8({0})},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        rig.LoadSmallSite();
        for (size_t k = 0; k < 9; ++k)
            rig.m_unit.SetCell(static_cast<uint16_t>(0xFFD0 + k),
                               k < std::string(c.unitPassword).size() ? c.unitPassword[k] : 0);
        rig.m_link.m_strOfferedPassword = c.unitPassword;
        rig.m_state.m_bPasswordPending = c.pending != nullptr;
        rig.m_state.m_strPendingPassword = c.pending ? c.pending : "";
        WriteUnit(rig.m_ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), Texts{});
        EXPECT_EQ(
            std::string(rig.m_unit.Eeprom().begin() + 0xFFD0, rig.m_unit.Eeprom().begin() + 0xFFD9),
            c.cells);
        EXPECT_EQ(rig.m_unit.Password(), c.pending ? c.pending : c.unitPassword);
        if (!c.pending) {
            EXPECT_EQ(rig.m_state.m_strUnitPassword, c.unitPassword);
        }
    }
}

TEST_F(UnitWriteTest, VerifyPassesOnAFaithfulUnit) {
    LoadSmallSite();
    m_state.m_bEnableVerify = true;
    m_state.m_strPendingPassword = "abc";
    m_state.m_bPasswordPending = true;
    const std::string arch = m_doc.m_nodes[4].m_strArch;
    WriteCommand(m_ctx);

    EXPECT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Write operation completed and Verified");
    EXPECT_EQ(m_link.CountSent(0x05), 2048);
    EXPECT_EQ(m_link.m_calls,
              (Calls{"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(1)",
                     "SetProgrammingMode(0)", "Disconnect"}));
    EXPECT_FALSE(m_unit.InProgrammingMode());
    EXPECT_FALSE(m_state.m_bBusy);
    EXPECT_FALSE(m_state.m_bVerifyPass);
    // The write's busy state runs straight into the verify read's.
    EXPECT_EQ(m_ui.m_events, (Calls{"ShowLinkPage", "ShowLinkPage(busy)", "RestorePage(0)",
                                    "StartRelayoutTimer"}));
    EXPECT_TRUE(std::any_of(m_prompter.m_statusTexts.begin(), m_prompter.m_statusTexts.end(),
                            [](const std::string& s) { return s == "Verifying...   99%"; }));
    // A verify touches neither the model nor its modified mark.
    EXPECT_EQ(m_doc.m_nodes[4].m_strArch, arch);
    EXPECT_TRUE(m_prompter.m_unitModelAsks.empty());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(UnitWriteTest, VerifyFailsOnAUnitThatCorruptsACell) {
    LoadSmallSite();
    m_state.m_bEnableVerify = true;
    m_link.m_faults.m_nCorruptCell = 0x5230;
    WriteUnit(m_ctx);
    EXPECT_EQ(m_prompter.Texts(),
              Texts{"Error, Write operation failed verification.  Please retry write."});
    // The status names the failure, then how many cells differ.
    const auto& status = m_prompter.m_statusTexts;
    ASSERT_GE(status.size(), 2u);
    EXPECT_EQ(status[status.size() - 2], "Write verification failed.");
    EXPECT_EQ(status.back(), "Write verification failed.  1 cells differ.");
    ASSERT_EQ(m_state.m_verifyDifferences.size(), 1u);
    EXPECT_EQ(m_state.m_verifyDifferences[0].m_nAddress, 0x5230u);
    EXPECT_NE(m_state.m_verifyDifferences[0].m_byRead, m_state.m_verifyDifferences[0].m_byWritten);
    EXPECT_FALSE(m_unit.InProgrammingMode());
    EXPECT_FALSE(m_state.m_bBusy);
}

TEST_F(UnitWriteTest, RefusedConfigurationsSendNothing) {
    const struct {
        const char* what;
        std::function<void(CZRTProDoc&)> change;
        std::string message;
    } cases[] = {
        {"conflict", [](CZRTProDoc& d) { d.m_nodes[5].m_strArch = "21"; },
         "Arch number conflicts exist, cannot save to M-4400 unit."},
        {"conflict with a non-pageable input", [](CZRTProDoc& d) { d.m_nodes[3].m_strArch = "21"; },
         "Arch number conflicts exist, cannot save to M-4400 unit."},
        {"012 and 12",
         [](CZRTProDoc& d) {
             d.m_nodes[4].m_strArch = "012";
             d.m_nodes[5].m_strArch = "12";
         },
         "Cannot write to the M-4400 unit: Input 2 (Arch Number 012) and Input 3 (Arch Number 12) "
         "would be the same number in the unit, and one of them could not be called.\nGive one of "
         "them another Arch Number."},
        {"long name", [](CZRTProDoc& d) { d.m_nodes[4].m_strName = "Main Entrance Hall"; },
         "Cannot write to the M-4400 unit: the name \"Main Entrance Hall\" of Input 2 is longer "
         "than 15 characters."},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        rig.LoadSmallSite();
        c.change(rig.m_doc);
        const std::vector<uint8_t> before = rig.m_unit.Eeprom();
        WriteCommand(rig.m_ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), Texts{c.message}) << c.what;
        EXPECT_EQ(rig.m_link.m_calls, Calls{}) << c.what;
        EXPECT_TRUE(rig.m_link.m_sent.empty()) << c.what;
        EXPECT_EQ(rig.m_unit.Eeprom(), before) << c.what;
        EXPECT_FALSE(rig.m_state.m_bVerifyPass) << c.what;
    }
}

TEST_F(UnitWriteTest, NothingHappensWithoutAConfigurationOrWhileBusy) {
    WriteCommand(m_ctx);
    EXPECT_EQ(m_link.m_calls, Calls{});
    LoadSmallSite();
    m_state.m_bBusy = true;
    WriteCommand(m_ctx);
    EXPECT_EQ(m_link.m_calls, Calls{});
    EXPECT_EQ(m_ui.m_events, (Calls{"StartRelayoutTimer"}));
}

TEST_F(UnitWriteTest, TimerThatCannotStartIsReported) {
    LoadSmallSite();
    m_ui.m_bTimerStarts = false;
    WriteCommand(m_ctx);
    EXPECT_EQ(m_prompter.Texts(), Texts{"Timer create failed"});
}

// Every fault of the link: the exact messages, the calls (so where programming
// mode is entered and left), and whether the unit is left in programming mode.
TEST(UnitWriteFaults, EachFaultGivesItsMessageAndEndsTheWrite) {
    using F = MessageFault;
    // The last word of a write that failed once the erase had begun.
    const std::string kPartly =
        "The unit is partly written and will not work until a whole configuration is written "
        "to it.";
    const struct {
        const char* what;
        std::function<void(UnitRig&)> arrange;
        Texts messages;
        Calls calls;
        bool programming;  // the unit is left in programming mode
        int writes;        // WriteEEProm messages sent
    } cases[] = {
        {"cancelled connection dialog",
         [](UnitRig& r) { r.m_link.m_faults.m_nConnectError = UnitLink::kUserCancelled; },
         {},
         {"GetUserConnection"},
         false,
         0},
        {"refusal at connect",
         [](UnitRig& r) {
             r.m_link.m_faults.m_nConnectError =
                 UnitLink::kHardwareUnavailable | UnitLink::kNoUnitFound;
         },
         {"Error - Failed to connect to unit\n\nHardware Unavailable\nNo unit found"},
         {"GetUserConnection"},
         false,
         0},
        {"wrong password",
         [](UnitRig& r) {
             for (size_t k = 0; k < 6; ++k)
                 r.m_unit.SetCell(static_cast<uint16_t>(0xFFD0 + k), "secret"[k]);
             r.m_link.m_strOfferedPassword = "guess";
         },
         {"Error - Failed to connect to unit\n\nPassword rejected by unit"},
         {"GetUserConnection"},
         false,
         0},
        {"programming mode refused",
         [](UnitRig& r) { r.m_link.m_faults.m_nEnterModeError = UnitLink::kTimedOut; },
         {"Write M-4400 failed to enter programming mode.\n\nCommunication timed out"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         false,
         0},
        {"switches not sent",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::SendFails, 0x03}};
         },
         {"Write M-4400 failed sending\nReadEEProm (switches) command.\n\nHardware Unavailable"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         0},
        {"switches without reply",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::NoReply, 0x03}};
         },
         {"Write M-4400 received no/bad reply\nto ReadEEProm (switches) command.\n"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         0},
        {"switches reply error",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::ReplyError, 0x03}};
         },
         {"Write M-4400 received no/bad reply\nto ReadEEProm (switches) command.\n\nBad "
          "acknowledgement data from unit"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         0},
        {"switches reply of wrong length",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::WrongLength, 0x03}};
         },
         {"Write M-4400 received a reply of incorrect length\n to ReadEEProm (switches) "
          "command.\n"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         0},
        {"erase not sent",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::SendFails, 0x2C}};
         },
         {"Write M-4400 failed sending ClearEEProm command.\n\nHardware Unavailable", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         0},
        {"second erase times out",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::TimeOut, 0x2C, 2}};
         },
         {"Write M-4400 received no/bad reply\nto ClearEEProm command.\n\nCommunication timed "
          "out",
          kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         0},
        {"erase reply of wrong length",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::WrongLength, 0x2C}};
         },
         {"Write M-4400 received a reply of incorrect length\n to ClearEEProm command.\n", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         0},
        {"fifth cell not sent",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::SendFails, 0x04, 5}};
         },
         {"Write M-4400 failed sending WriteEEProm command.\n\nHardware Unavailable", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         5},
        {"fifth cell reply error",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::ReplyError, 0x04, 5}};
         },
         {"Write M-4400 received no/bad reply\nto WriteEEProm command.\n\nBad acknowledgement "
          "data from unit",
          kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         5},
        {"fifth cell without reply",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::NoReply, 0x04, 5}};
         },
         {"Write M-4400 received no/bad reply\nto WriteEEProm command.\n", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         5},
        {"fifth cell reply of wrong length",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::WrongLength, 0x04, 5}};
         },
         {"Write M-4400 received a reply of incorrect length\n to WriteEEProm command.\n", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         5},
        {"line drops after ten messages",
         [](UnitRig& r) { r.m_link.m_faults.m_nDisconnectAfter = 10; },
         {"Write M-4400 failed sending WriteEEProm command.\n\nCommunication timed out",
          "Write M-4400 failed to exit program mode.\n\nNo unit found", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         true,
         8},
        {"programming mode not left",
         [](UnitRig& r) { r.m_link.m_faults.m_nExitModeError = UnitLink::kBadAcknowledgement; },
         {"Write M-4400 failed to exit program mode.\n\nBad acknowledgement data from unit"},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         true,
         205},  // the 195 cells, 9 password cells and the switches byte
        {"failed write still verified",
         [](UnitRig& r) {
             r.m_state.m_bEnableVerify = true;
             r.m_link.m_faults.m_onMessage = {{F::ReplyError, 0x04, 5}};
         },
         {"Write M-4400 received no/bad reply\nto WriteEEProm command.\n\nBad acknowledgement "
          "data from unit",
          "Error, Write operation failed verification.  Please retry write.", kPartly},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(1)",
          "SetProgrammingMode(0)", "Disconnect"},
         false,
         5},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        rig.LoadSmallSite();
        c.arrange(rig);
        WriteCommand(rig.m_ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), c.messages) << c.what;
        EXPECT_EQ(rig.m_link.m_calls, c.calls) << c.what;
        EXPECT_EQ(rig.m_unit.InProgrammingMode(), c.programming) << c.what;
        EXPECT_EQ(rig.m_link.CountSent(0x04), c.writes) << c.what;
        EXPECT_FALSE(rig.m_state.m_bBusy) << c.what;
        EXPECT_EQ(rig.m_link.comm_GetConnectedStatus(), 0) << c.what;
        EXPECT_EQ(rig.m_ui.m_nWaitDepth, 0) << c.what;
    }
}

// A cancelled connection dialog never says "Attempting connect": nothing was attempted.
TEST(UnitWriteFaults, CancelledDialogEndsOnReady) {
    UnitRig rig;
    rig.LoadSmallSite();
    rig.m_link.m_faults.m_nConnectError = UnitLink::kUserCancelled;
    WriteUnit(rig.m_ctx);
    EXPECT_EQ(rig.m_prompter.m_statusTexts, (Texts{"Ready"}));
}
