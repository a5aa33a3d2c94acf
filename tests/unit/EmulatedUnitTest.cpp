#include <gtest/gtest.h>

#include "UnitRig.h"
#include "model/MemoryProfile.h"
#include "support/TempDir.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitCommands.h"
#include "unit/emulator/EepromFile.h"

namespace {

using Reply = std::optional<std::vector<uint8_t>>;
using Msg = std::vector<uint8_t>;

}  // namespace

TEST(EmulatedUnit, AnswersTheMessagesOnlyInProgrammingMode) {
    EmulatedUnit unit;
    EXPECT_EQ(unit.HandleLop(Msg{0x04, 0x04, 0x10, 0x00, 0x33}), Reply{});
    EXPECT_EQ(unit.Eeprom()[0x10], 0xFF);
    unit.SetProgrammingMode(true);

    const struct {
        Msg message;
        Reply reply;
    } cases[] = {
        {{0x04, 0x04, 0x10, 0x00, 0x33}, Msg{0x04, 0x04, 0x10, 0x00, 0x33}},
        {{0x03, 0x03, 0x10, 0x00}, Msg{0x04, 0x03, 0x10, 0x00, 0x33}},
        {{0x02, 0x2C, 0x02}, Reply{}},              // there are two blocks
        {{0x03, 0x04, 0x10, 0x00}, Reply{}},        // a write without its value
        {{0x05, 0x04, 0x10, 0x00, 0x33}, Reply{}},  // a count that does not match
        {{0x01, 0x77}, Reply{}},                    // unknown opcode
        {{}, Reply{}},
    };
    for (const auto& c : cases) EXPECT_EQ(unit.HandleLop(c.message), c.reply);

    const Reply block = unit.HandleLop(Msg{0x03, 0x05, 0x00, 0x00});
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 36u);
    EXPECT_EQ((*block)[0], 35);
    EXPECT_EQ((*block)[4 + 0x10], 0x33);
}

TEST(EmulatedUnit, EraseClearsOneHalfAndThePasswordIsNeverShown) {
    EmulatedUnit unit;
    unit.SetProgrammingMode(true);
    for (uint16_t a : {0x0000, 0x7FFF, 0x8000, 0xFFD0, 0xFFD1, 0xFFD2})
        unit.HandleLop(Msg{0x04, 0x04, static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>(a >> 8),
                           a >= 0xFFD0 ? static_cast<uint8_t>("pw\0"[a - 0xFFD0]) : uint8_t{1}});
    EXPECT_EQ(unit.Password(), "pw");
    EXPECT_TRUE(unit.CheckPassword("pw"));
    EXPECT_FALSE(unit.CheckPassword("other"));
    const Reply cells = unit.HandleLop(Msg{0x03, 0x05, 0xD0, 0xFF});
    ASSERT_TRUE(cells);
    for (size_t k = 0; k < 9; ++k) EXPECT_EQ((*cells)[4 + k], 0xFF);

    EXPECT_EQ(unit.HandleLop(Msg{0x02, 0x2C, 0x00}), (Reply{Msg{0x02, 0x2C, 0x00}}));
    EXPECT_EQ(unit.Eeprom()[0x0000], 0xFF);
    EXPECT_EQ(unit.Eeprom()[0x7FFF], 0xFF);
    EXPECT_EQ(unit.Eeprom()[0x8000], 0x01);
    unit.HandleLop(Msg{0x02, 0x2C, 0x01});
    EXPECT_EQ(unit.Eeprom()[0x8000], 0xFF);
    EXPECT_EQ(unit.Password(), "");
    EXPECT_TRUE(unit.CheckPassword("anything"));
}

TEST(EepromFile, KeepsTheMemoryBetweenRuns) {
    TempDir dir;
    const EepromFile file(dir.PathOf("unit.eeprom"));
    EmulatedUnit unit;
    EXPECT_EQ(file.Load(unit), EepromFile::LoadResult::Missing);
    unit.SetCell(0x1234, 0x56);
    ASSERT_TRUE(file.Save(unit));
    EmulatedUnit again;
    EXPECT_EQ(file.Load(again), EepromFile::LoadResult::Loaded);
    EXPECT_EQ(again.Eeprom(), unit.Eeprom());

    for (size_t size : {size_t{0}, size_t{65535}, size_t{65537}}) {
        const EepromFile wrong(dir.Write("wrong.eeprom", std::string(size, '\x11')));
        EmulatedUnit kept;
        kept.SetCell(7, 7);
        EXPECT_EQ(wrong.Load(kept), EepromFile::LoadResult::Refused) << size;
        EXPECT_EQ(kept.Eeprom()[7], 7) << size;
        EXPECT_EQ(kept.Eeprom()[8], 0xFF) << size;
    }
    EXPECT_FALSE(EepromFile(dir.PathOf("no/such/folder/unit.eeprom")).Save(unit));
}

TEST(EmulatedLink, AnswersAsAHayesModemOnARawConnection) {
    EmulatedUnit unit;
    EmulatedLink link(unit);
    const std::string command = "ATZ\r";
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(command.data()),
                                         command.size());
    EXPECT_EQ(link.comm_SendRaw(bytes), UnitLink::kHardwareUnavailable);
    ASSERT_EQ(link.comm_Connect("/dev/ttyS0", 0, 1), UnitLink::kOk);
    ASSERT_EQ(link.comm_SendRaw(bytes), UnitLink::kOk);
    EXPECT_EQ(link.comm_GetRcvCount(), 10u);
    std::span<const uint8_t> received;
    ASSERT_EQ(link.comm_GetRcvBuff(received), UnitLink::kOk);
    EXPECT_EQ(std::string(received.begin(), received.end()), "ATZ\r\r\nOK\r\n");
    link.comm_DeleteDLLBytes(received);
    EXPECT_EQ(link.comm_GetRcvCount(), 0u);
    link.comm_Disconnect();
}

TEST(ReportLinkError, OneLinePerBitInTheLinksOrder) {
    const struct {
        uint32_t code;
        const char* lines;
    } cases[] = {
        {0, ""},
        {0x40000000, "\nUser Cancelled"},
        {0x04000000 | 0x00800000, "\nBad acknowledgement data from unit\nCommunication timed out"},
        {0x7F800000,
         "\nHardware Unavailable\nNo dialtone (Modem) or no LAN\nNo unit found\nPassword rejected "
         "by unit\nError in address book entry\nBad acknowledgement data from unit\nCommunication "
         "timed out\nUser Cancelled"},
        {0x80000001, ""},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        ReportLinkError(prompter, c.code, "Text\n");
        EXPECT_EQ(prompter.Texts(), Texts{std::string("Text\n") + c.lines}) << std::hex << c.code;
        EXPECT_EQ(prompter.m_shown[0].m_buttons, PromptButtons::Ok);
    }
}

TEST(LinkUi, TransferEndsOnTheSelectedPageOrTheRoot) {
    UnitRig rig;
    rig.LoadSmallSite();
    rig.m_tree.SelectItem(rig.m_doc.m_nodes[5].m_hItem);
    WriteCommand(rig.m_ctx);
    EXPECT_EQ(rig.m_ui.m_events, (Calls{"ShowLinkPage", "RestorePage(5)", "StartRelayoutTimer"}));
    EXPECT_EQ(rig.m_tree.SelectedItem(), rig.m_doc.m_nodes[5].m_hItem);

    UnitRig none;
    none.LoadSmallSite();
    none.m_tree.SelectItem(nullptr);
    WriteCommand(none.m_ctx);
    EXPECT_EQ(none.m_ui.m_events, (Calls{"ShowLinkPage", "RestorePage(0)", "StartRelayoutTimer"}));
    EXPECT_EQ(none.m_tree.SelectedItem(), none.m_tree.RootItem());
}

TEST(VerifySetting, StoredInTheProfile) {
    MemoryProfile profile;
    MainState state;
    LoadEnableVerify(state, profile);
    EXPECT_FALSE(state.m_bEnableVerify);
    ToggleEnableVerify(state, profile);
    EXPECT_TRUE(state.m_bEnableVerify);
    EXPECT_EQ(profile.GetInt("userdata", "EnableVerify", -1), 1);
    ToggleEnableVerify(state, profile);
    EXPECT_EQ(profile.GetInt("userdata", "EnableVerify", -1), 0);
    profile.SetInt("userdata", "EnableVerify", 1);
    LoadEnableVerify(state, profile);
    EXPECT_TRUE(state.m_bEnableVerify);
}

TEST(MainWindowClose, RefusedWhileCommunicating) {
    MainState state;
    ScriptedPrompter prompter;
    EXPECT_TRUE(MayCloseMainWindow(state, prompter));
    state.m_bBusy = true;
    EXPECT_FALSE(MayCloseMainWindow(state, prompter));
    EXPECT_EQ(prompter.Texts(),
              Texts{"Cannot close, Currently Communicating with the M-4400 unit."});
}
