#include <gtest/gtest.h>

#include <functional>

#include "UnitRig.h"
#include "document/ConfigDiff.h"
#include "model/ZrtCodec.h"
#include "model/ZrtFile.h"
#include "support/TempDir.h"
#include "unit/ReadUnit.h"
#include "unit/UnitCommands.h"
#include "unit/UnitMessages.h"
#include "unit/WriteUnit.h"

namespace {

class UnitReadTest : public ::testing::Test, public UnitRig {
protected:
    // The unit holds the small site, written by the program.
    void SetUp() override {
        UnitRig writer;
        writer.LoadSmallSite();
        WriteUnit(writer.m_ctx);
        ASSERT_TRUE(m_unit.LoadEeprom(writer.m_unit.Eeprom()));
    }
};

}  // namespace

TEST_F(UnitReadTest, ReadReplacesTheDocumentWithTheUnitsConfiguration) {
    BuildNumbered(m_doc, m_tree, 8, 1, 100);
    m_doc.SetPathName("/sites/other.zrt");
    m_state.m_strPendingPassword = "newpw";
    m_state.m_bPasswordPending = true;
    m_state.m_bVerifyPass = true;  // left over from an earlier write
    AnswerFourPorts();
    ReadCommand(m_ctx);

    EXPECT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(m_link.CountSent(0x05), 2048);
    EXPECT_EQ(m_link.m_sent.front().m_bytes, (std::vector<uint8_t>{0x03, 0x05, 0x00, 0x00}));
    EXPECT_EQ(m_link.m_sent.back().m_bytes, (std::vector<uint8_t>{0x03, 0x05, 0xE0, 0xFF}));
    EXPECT_EQ(m_link.m_calls, (Calls{"GetUserConnection", "SetProgrammingMode(1)",
                                     "SetProgrammingMode(0)", "Disconnect"}));
    EXPECT_FALSE(m_unit.InProgrammingMode());

    ASSERT_EQ(m_doc.NodeCount(), 7);
    EXPECT_EQ(m_doc.m_nodes[3].m_strName, "Lobby");
    EXPECT_EQ(m_doc.m_nodes[3].m_nSignedCode, -3000);
    EXPECT_EQ(m_doc.m_nodes[5].m_strArch, "#*");
    EXPECT_EQ(m_doc.m_nodes[5].m_nZoneId, 300);
    EXPECT_EQ(m_doc.m_zones.size(), 2u);
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{501, 502, 503, 7}));
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_tree.ItemText(m_tree.RootItem()), "untitled System");
    EXPECT_EQ(m_state.m_image.size(), 65536u);
    EXPECT_EQ(m_state.m_image[0xFFFD], 0x5A);
    EXPECT_EQ(m_state.m_strUnitPassword, "");  // the unit shows its password cells erased
    EXPECT_EQ(m_state.m_strPendingPassword, "");
    EXPECT_FALSE(m_state.m_bPasswordPending);
    EXPECT_FALSE(m_state.m_bVerifyPass);
    EXPECT_FALSE(m_state.m_bBusy);

    const Texts& status = m_prompter.m_statusTexts;
    EXPECT_EQ(Texts(status.begin(), status.begin() + 4),
              (Texts{"Attempting connect to M-4400 . . .", "Ready", "", "Reading...   00%"}));
    EXPECT_EQ(status[3 + 1024], "Reading...   50%");  // 0x8000 * 1.5259022e-05 = 0.50001
    EXPECT_EQ(status[3 + 2047], "Reading...   99%");
    EXPECT_EQ(m_prompter.m_progress.back(), 99);
    EXPECT_EQ(m_ui.m_events, (Calls{"ShowLinkPage", "RestorePage(0)"}));
}

TEST_F(UnitReadTest, SaveQuestionComesFirstAndCancelStopsTheRead) {
    TempDir dir;
    const struct {
        const char* what;
        bool hasPath;
        PromptAnswer answer;
        bool read;            // the unit is read and decoded
        const char* savedAs;  // the file saved, or null
    } cases[] = {
        {"cancel", true, PromptAnswer::Cancel, false, nullptr},
        {"no", true, PromptAnswer::No, true, nullptr},
        {"yes with a file", true, PromptAnswer::Yes, true, "site.zrt"},
        {"yes without a file", false, PromptAnswer::Yes, true, "chosen.zrt"},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        ASSERT_TRUE(rig.m_unit.LoadEeprom(m_unit.Eeprom()));
        BuildNumbered(rig.m_doc, rig.m_tree, 4, 0, 40);
        if (c.hasPath) rig.m_doc.SetPathName(dir.PathOf("site.zrt"));
        rig.m_doc.m_nodes[3].m_strName = "Edited";
        rig.m_doc.SetModifiedFlag(true);
        rig.m_prompter.m_answers = {c.answer};
        rig.m_prompter.m_files = {dir.PathOf("chosen.zrt")};
        rig.m_state.m_bPasswordPending = true;
        rig.AnswerFourPorts();
        ReadCommand(rig.m_ctx);
        EXPECT_EQ(rig.m_state.m_bPasswordPending, !c.read) << c.what;

        const std::string title = c.hasPath ? "site.zrt" : "untitled";
        ASSERT_FALSE(rig.m_prompter.m_shown.empty()) << c.what;
        EXPECT_EQ(rig.m_prompter.m_shown[0].m_strText, "Save changes to " + title + "?") << c.what;
        EXPECT_EQ(rig.m_prompter.m_shown[0].m_buttons, PromptButtons::YesNoCancel) << c.what;
        EXPECT_EQ(rig.m_prompter.m_shown.size(), 1u) << c.what;
        EXPECT_EQ(rig.m_link.CountSent(0x05), c.read ? 2048 : 0) << c.what;
        EXPECT_EQ(rig.m_doc.m_nodes[3].m_strName, c.read ? "Lobby" : "Edited") << c.what;
        EXPECT_FALSE(rig.m_unit.InProgrammingMode()) << c.what;
        EXPECT_EQ(rig.m_link.comm_GetConnectedStatus(), 0) << c.what;
        if (c.savedAs) {
            CZRTProDoc saved;
            ScriptedPrompter quiet;
            ASSERT_TRUE(LoadZrtFile(saved, dir.PathOf(c.savedAs), quiet)) << c.what;
            EXPECT_EQ(saved.m_nodes[3].m_strName, "Edited") << c.what;
        }
        if (!c.read) {
            EXPECT_EQ(rig.m_link.m_calls, (Calls{"GetUserConnection", "Disconnect"}));
            EXPECT_TRUE(rig.m_doc.IsModified());
            EXPECT_EQ(rig.m_doc.GetTitle(), title);
        }
        std::filesystem::remove(dir.PathOf("site.zrt"));
        std::filesystem::remove(dir.PathOf("chosen.zrt"));
    }
}

TEST_F(UnitReadTest, FailedReadsKeepTheConfiguration) {
    using F = MessageFault;
    const struct {
        const char* what;
        std::function<void(UnitRig&)> arrange;
        Texts messages;
        Calls calls;
        bool programming;
    } cases[] = {
        {"cancelled connection dialog",
         [](UnitRig& r) { r.m_link.m_faults.m_nConnectError = UnitLink::kUserCancelled; },
         {},
         {"GetUserConnection"},
         false},
        {"refusal at connect",
         [](UnitRig& r) { r.m_link.m_faults.m_nConnectError = UnitLink::kAddressBookError; },
         {"Error - Failed to connect to unit\n\nError in address book entry"},
         {"GetUserConnection"},
         false},
        {"programming mode refused",
         [](UnitRig& r) { r.m_link.m_faults.m_nEnterModeError = UnitLink::kNoDialtone; },
         {"Read M-4400 failed to enter programming mode.\n\nNo dialtone (Modem) or no LAN"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         false},
        {"hundredth read not sent",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::SendFails, 0x05, 100}};
         },
         {"Read M-4400 failed sending EEPROM read command.\n\nHardware Unavailable",
          "Read M-4400 failed to exit program mode.\n\nNo unit found"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect", "SetProgrammingMode(0)",
          "Disconnect"},
         true},
        {"hundredth read times out",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::TimeOut, 0x05, 100}};
         },
         {"Read M-4400 received no/bad reply\nto ReadEEProm command.\n\nCommunication timed out",
          "Read M-4400 failed to exit program mode.\n\nNo unit found"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect", "SetProgrammingMode(0)",
          "Disconnect"},
         true},
        {"first read without reply",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::NoReply, 0x05}};
         },
         {"Read M-4400 received no/bad reply\nto ReadEEProm command.\n",
          "Read M-4400 failed to exit program mode.\n\nNo unit found"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect", "SetProgrammingMode(0)",
          "Disconnect"},
         true},
        {"short reply",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::WrongLength, 0x05, 7}};
         },
         {"Read M-4400 received no/bad reply\nto ReadEEProm command.\n",
          "Read M-4400 failed to exit program mode.\n\nNo unit found"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect", "SetProgrammingMode(0)",
          "Disconnect"},
         true},
        {"line drops",
         [](UnitRig& r) { r.m_link.m_faults.m_nDisconnectAfter = 1000; },
         {"Read M-4400 failed sending EEPROM read command.\n\nCommunication timed out",
          "Read M-4400 failed to exit program mode.\n\nNo unit found"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect", "SetProgrammingMode(0)",
          "Disconnect"},
         true},
        {"programming mode not left",
         [](UnitRig& r) { r.m_link.m_faults.m_nExitModeError = UnitLink::kTimedOut; },
         {"Read M-4400 failed to exit program mode.\n\nCommunication timed out"},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         true},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        ASSERT_TRUE(rig.m_unit.LoadEeprom(m_unit.Eeprom()));
        BuildNumbered(rig.m_doc, rig.m_tree, 8, 0, 40);
        rig.m_doc.SetPathName("/sites/kept.zrt");
        rig.m_doc.SetModifiedFlag(false);
        rig.m_state.m_strPendingPassword = "newpw";
        rig.m_state.m_bPasswordPending = true;
        rig.AnswerFourPorts();
        c.arrange(rig);
        ReadCommand(rig.m_ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), c.messages) << c.what;
        EXPECT_EQ(rig.m_link.m_calls, c.calls) << c.what;
        EXPECT_EQ(rig.m_unit.InProgrammingMode(), c.programming) << c.what;
        EXPECT_FALSE(rig.m_state.m_bBusy) << c.what;
        EXPECT_EQ(rig.m_ui.m_nWaitDepth, 0) << c.what;
        // The eight-port configuration, its clean mark and the password waiting
        // for the next write stay, and no model question is asked, unless the
        // whole memory arrived.
        const bool decoded = c.what == std::string("programming mode not left");
        EXPECT_EQ(rig.m_doc.IsModified(), decoded) << c.what;
        EXPECT_EQ(rig.m_state.m_strPendingPassword, decoded ? "" : "newpw") << c.what;
        EXPECT_EQ(rig.m_state.m_bPasswordPending, !decoded) << c.what;
        EXPECT_EQ(rig.m_doc.NodeCount(), decoded ? 7 : 11) << c.what;
        if (!decoded) {
            EXPECT_EQ(rig.m_doc.GetPathName(), "/sites/kept.zrt") << c.what;
            EXPECT_TRUE(rig.m_prompter.m_unitModelAsks.empty()) << c.what;
        }
    }
}

TEST_F(UnitReadTest, VerifyReadThatCannotEnterProgrammingModeStillEndsTheBusyState) {
    LoadSmallSite();
    m_state.m_bEnableVerify = true;
    m_link.m_faults.m_nEnterModeError = 0;
    // The write enters programming mode; the verify read's second entry is refused.
    struct RefuseSecondEntry : EmulatedLink {
        using EmulatedLink::EmulatedLink;
        uint32_t comm_SetProgrammingMode(int enter) override {
            if (enter && ++m_nEntries == 2) {
                m_calls.push_back("SetProgrammingMode(1)");
                return kHardwareUnavailable;
            }
            return EmulatedLink::comm_SetProgrammingMode(enter);
        }
        int m_nEntries = 0;
    } link(m_unit);
    UnitContext ctx{m_doc, m_tree, m_prompter, m_state, link, m_ui, m_clock};
    WriteCommand(ctx);
    EXPECT_EQ(m_prompter.Texts(),
              Texts{"Read M-4400 failed to enter programming mode.\n\nHardware Unavailable"});
    EXPECT_EQ(link.m_calls, (Calls{"GetUserConnection", "SetProgrammingMode(1)",
                                   "SetProgrammingMode(1)", "Disconnect"}));
    EXPECT_FALSE(m_state.m_bBusy);
    EXPECT_EQ(m_ui.m_events, (Calls{"ShowLinkPage", "RestorePage(0)", "StartRelayoutTimer"}));
}

TEST_F(UnitReadTest, WizardReadDropsThePendingPasswordAsReadDoesAndNothingRunsWhileBusy) {
    m_state.m_strPendingPassword = "newpw";
    m_state.m_bPasswordPending = true;
    AnswerFourPorts();
    WizardReadCommand(m_ctx);
    EXPECT_EQ(m_doc.m_nodes[4].m_strName, "Hall");
    EXPECT_EQ(m_state.m_strPendingPassword, "");
    EXPECT_FALSE(m_state.m_bPasswordPending);

    UnitRig busy;
    busy.m_state.m_bBusy = true;
    busy.m_state.m_bPasswordPending = true;
    ReadCommand(busy.m_ctx);
    WizardReadCommand(busy.m_ctx);
    SetTimeCommand(busy.m_ctx);
    EXPECT_EQ(busy.m_link.m_calls, Calls{});
    EXPECT_TRUE(busy.m_state.m_bPasswordPending);
}

// Issue: a zone id of 0xFFFF ended the unit's list, losing every record after it.
TEST_F(UnitReadTest, ReleasedNumbersAndNonPageableNamesSurviveTheUnit) {
    UnitRig writer;
    writer.LoadSmallSite();
    CConfigNode& dock = writer.m_doc.m_nodes[6];  // Input 4 becomes non-pageable, with a name
    dock.MakeNonPageable();
    dock.m_strName = "Dock";
    writer.m_doc.m_zones.push_back({"8000", "Spare", -1});
    WriteUnit(writer.m_ctx);
    ASSERT_EQ(writer.m_prompter.Texts(), Texts{});

    // Two pageable inputs, three zones, two non-pageable inputs; then the end.
    const std::vector<uint8_t>& cells = writer.m_unit.Eeprom();
    std::vector<int> zoneFields;
    for (size_t at = 0x5208; at < 0x8000; at += 24) {
        const int field = cells[at] | (cells[at + 1] << 8);
        if (field == 0xFFFF) break;
        zoneFields.push_back(field);
    }
    EXPECT_EQ(zoneFields, (std::vector<int>{7, 300, 12, 0x8000, 0x8000, 0x8000, 0x8000}));

    ASSERT_TRUE(m_unit.LoadEeprom(cells));
    AnswerFourPorts();
    ReadCommand(m_ctx);
    ASSERT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(m_doc.m_nodes[3].m_strName, "Lobby");
    EXPECT_EQ(m_doc.m_nodes[6].m_strName, "Dock");
    EXPECT_TRUE(m_doc.m_nodes[6].IsNonPageable());
    const std::vector<CZoneEntry> zones = {
        {"30", "Store", 12}, {"9998", "Old", -32768}, {"8000", "Spare", -32768}};
    EXPECT_EQ(m_doc.m_zones, zones);
    for (const CZoneEntry& z : m_doc.m_zones) EXPECT_EQ(z.IsNonPageable(), z.m_nZoneId < 0);
}

// Issue: "012" and "12" shared one cell, and the unit could not be read back.
TEST_F(UnitReadTest, SameValueNumbersAreRefusedAndLeadingZerosReadBackAsWritten) {
    UnitRig refused;
    refused.LoadSmallSite();
    refused.m_doc.m_nodes[4].m_strArch = "012";
    refused.m_doc.m_nodes[5].m_strArch = "12";
    WriteCommand(refused.m_ctx);
    ASSERT_EQ(refused.m_prompter.Texts().size(), 1u);
    EXPECT_NE(refused.m_prompter.Texts()[0].find("Input 2 (Arch Number 012) and Input 3 (Arch "
                                                 "Number 12)"),
              std::string::npos);
    EXPECT_TRUE(refused.m_link.m_sent.empty());
    EXPECT_EQ(refused.m_link.m_calls, Calls{});

    UnitRig writer;
    writer.LoadSmallSite();
    writer.m_doc.m_nodes[4].m_strArch = "0045";
    writer.m_doc.m_idleLoop = {"0045"};
    WriteUnit(writer.m_ctx);
    ASSERT_EQ(writer.m_prompter.Texts(), Texts{});
    EXPECT_EQ(writer.m_unit.Eeprom()[53], 0x20);
    ASSERT_TRUE(m_unit.LoadEeprom(writer.m_unit.Eeprom()));
    AnswerFourPorts();
    ReadCommand(m_ctx);
    ASSERT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(m_doc.m_nodes[4].m_strArch, "0045");
    EXPECT_EQ(m_doc.m_nodes[4].m_strName, "Hall");
    EXPECT_EQ(m_doc.m_nodes[4].m_nInputCode, 32);
    EXPECT_EQ(m_doc.m_idleLoop, Texts{"0045"});
    EXPECT_EQ(m_doc.m_zones.size(), 2u);  // no number of its own beside the input's
}

// A configuration read from the unit starts a history of its own; never saved,
// it stays marked modified when its edits are undone.
TEST_F(UnitReadTest, ReadStartsAFreshEditHistory) {
    BuildNumbered(m_doc, m_tree, 8, 1, 100);
    EditHistory& history = m_state.m_history;
    history.Start(m_doc);
    m_doc.m_nIdleDelay = 12;
    history.Record(m_doc, "Change Idle Loop Delay", nullptr);
    m_prompter.m_answers = {PromptAnswer::No};
    AnswerFourPorts();

    ASSERT_TRUE(ReadCommand(m_ctx));
    EXPECT_FALSE(history.CanUndo());
    m_doc.m_nPriority = 1;
    history.Record(m_doc, "Change Priority", nullptr);
    history.Undo(m_doc);
    EXPECT_TRUE(m_doc.IsModified());
}

// Compare with Unit reads into a copy: no save question, no model question,
// and the open configuration, its history and the unit state stay as they were.
TEST_F(UnitReadTest, ReadCopyLeavesTheOpenConfigurationAlone) {
    LoadSmallSite();
    m_doc.SetPathName("/sites/site.zrt");
    m_state.m_history.Start(m_doc);
    m_doc.m_nodes[3].m_strName = "Edited";
    m_state.m_history.Record(m_doc, "Edit", nullptr);
    m_state.m_image = {1, 2, 3};
    m_state.m_strUnitPassword = "pw";
    const std::string before = EncodeZrt(m_doc);
    const size_t treeItems = m_tree.ItemCount();

    CZRTProDoc copy;
    ASSERT_TRUE(ReadCopyCommand(m_ctx, copy));
    EXPECT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_TRUE(m_prompter.m_unitModelAsks.empty());
    EXPECT_EQ(m_link.CountSent(0x05), 2048);
    EXPECT_FALSE(m_unit.InProgrammingMode());
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), "/sites/site.zrt");
    EXPECT_TRUE(m_state.m_history.CanUndo());
    EXPECT_EQ(m_state.m_image, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(m_state.m_strUnitPassword, "pw");
    EXPECT_FALSE(m_state.m_bBusy);
    EXPECT_EQ(m_tree.ItemCount(), treeItems);

    EXPECT_EQ(copy.m_nPortCount, 4);
    EXPECT_EQ(CompareConfigurations(m_doc, copy),
              (std::vector<DiffItem>{{"Input 1 name", "Edited", "Lobby"}}));
}

TEST_F(UnitReadTest, FailedReadCopyLeavesTheCopyEmpty) {
    LoadSmallSite();
    const std::string before = EncodeZrt(m_doc);
    m_unit.LoadEeprom(std::vector<uint8_t>(65536, 0xFF));
    CZRTProDoc copy;
    EXPECT_FALSE(ReadCopyCommand(m_ctx, copy));
    EXPECT_EQ(m_prompter.Texts(), Texts{UnitMessages::kUnitErased});
    EXPECT_EQ(copy.NodeCount(), 0);
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_FALSE(m_doc.IsModified());
}
