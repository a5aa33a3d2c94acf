#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "UnitRig.h"
#include "support/TempDir.h"
#include "unit/OpenUnitImage.h"
#include "unit/UnitCommands.h"
#include "unit/UnitHistory.h"
#include "unit/WriteConfirmation.h"
#include "unit/WriteUnit.h"

namespace fs = std::filesystem;

namespace {

// Answers the write's question with `m_bAnswer` and records what it was shown
// and how many erase messages had gone out by then.
class ConfirmingUi : public RecordingUi {
public:
    explicit ConfirmingUi(EmulatedLink& link) : m_link(link) {}
    bool ConfirmWrite(const WriteConfirmation& what) override {
        m_asked.push_back(what);
        m_nClearsBeforeAsked = m_link.CountSent(0x2C);
        return m_bAnswer;
    }
    EmulatedLink& m_link;
    std::vector<WriteConfirmation> m_asked;
    int m_nClearsBeforeAsked = -1;
    bool m_bAnswer = true;
};

class UnitSafeWriteTest : public ::testing::Test, public UnitRig {
protected:
    UnitSafeWriteTest() {
        m_state.m_bKeepBeforeWrite = true;
        m_state.m_strHistoryFolder = m_dir.PathOf("unit-history");
    }

    // The unit holds the small site with the switches byte 0x5A and no password.
    void UnitHoldsSmallSite() {
        std::vector<uint8_t> image = SmallSiteImage();
        image[0xFFFD] = 0x5A;
        m_unit.LoadEeprom(image);
    }

    TempDir m_dir;
    ConfirmingUi m_confirm{m_link};
    UnitContext m_safe{m_doc, m_tree, m_prompter, m_state, m_link, m_confirm, m_clock};
};

}  // namespace

TEST_F(UnitSafeWriteTest, KeepsTheUnitMemoryThenAsksThenWrites) {
    // Memory left over from another configuration, every cell a different pattern.
    std::vector<uint8_t> before(65536);
    for (size_t a = 0; a < before.size(); ++a) before[a] = static_cast<uint8_t>(a * 7 + (a >> 8));
    std::fill_n(before.begin() + 0xFFD0, 9, 0xFF);  // the unit shows no password cells
    m_unit.LoadEeprom(before);
    LoadSmallSite();
    m_doc.SetPathName("/sites/school.zrt");

    EXPECT_TRUE(WriteCommand(m_safe));
    // The whole memory read first, 2,048 blocks, before the erase and the question.
    EXPECT_EQ(m_link.CountSent(0x05), 2048);
    ASSERT_EQ(m_confirm.m_asked.size(), 1u);
    EXPECT_EQ(m_confirm.m_nClearsBeforeAsked, 0);
    // Nothing there decodes as a configuration: a warning, refused unless forced.
    EXPECT_TRUE(m_confirm.m_asked[0].m_bUndecodable);
    EXPECT_TRUE(QuestionFor(m_confirm.m_asked[0]).m_bRefusedUnlessForced);
    EXPECT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(m_prompter.m_statusTexts[3], "Keeping a copy of the unit's memory...   00%");

    const std::vector<UnitHistoryEntry> kept = UnitHistory(m_state.m_strHistoryFolder).List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].m_strKind, "before write");
    EXPECT_EQ(kept[0].m_strSite, "school.zrt");
    EXPECT_FALSE(kept[0].m_bErased);
    EXPECT_EQ(kept[0].m_strImagePath, m_state.m_strKeptPath);
    EXPECT_EQ(UnitHistory::LoadImage(kept[0].m_strImagePath), before);
    EXPECT_EQ(fs::status(kept[0].m_strImagePath).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(m_state.m_strHistoryFolder).permissions(), fs::perms::owner_all);
    // The configuration went in after the copy.
    std::vector<uint8_t> written = SmallSiteImage();
    std::fill_n(written.begin() + 0xFFD0, 9, 0x00);
    written[0xFFFD] = before[0xFFFD];
    EXPECT_EQ(DifferingCells(m_unit.Eeprom(), written), std::vector<size_t>{});
}

TEST_F(UnitSafeWriteTest, RestorePutsTheKeptMemoryBack) {
    UnitHoldsSmallSite();
    LoadSmallSite();
    m_doc.m_nodes[4].m_strName = "Kitchen";
    ASSERT_TRUE(WriteCommand(m_safe));
    ASSERT_EQ(m_confirm.m_asked.size(), 1u);
    EXPECT_FALSE(m_confirm.m_asked[0].m_bAnotherSite);
    ASSERT_EQ(m_confirm.m_asked[0].m_diffs.size(), 1u);
    EXPECT_EQ(m_confirm.m_asked[0].m_diffs[0], (DiffItem{"Input 2 name", "Kitchen", "Hall"}));
    // The unit as the restore will find it, read as the unit shows it: password cells hidden.
    std::vector<uint8_t> keptImage = m_unit.Eeprom();
    std::fill_n(keptImage.begin() + 0xFFD0, 9, 0xFF);

    const std::string first = m_state.m_strKeptPath;
    const auto image = UnitHistory::LoadImage(first);
    ASSERT_TRUE(image);
    m_state.m_bEnableVerify = true;
    EXPECT_TRUE(RestoreCommand(m_safe, *image));
    // Byte for byte what the unit held before the write; its password cells,
    // hidden in the copy, hold the connection's (none) as after any write.
    std::vector<uint8_t> expected = *image;
    std::fill_n(expected.begin() + 0xFFD0, 9, 0x00);
    EXPECT_EQ(DifferingCells(m_unit.Eeprom(), expected), std::vector<size_t>{});
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Write operation completed and Verified");
    // The restore kept what it replaced, and said what it would change.
    const std::vector<UnitHistoryEntry> kept = UnitHistory(m_state.m_strHistoryFolder).List();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].m_strKind, "before restore");
    EXPECT_EQ(UnitHistory::LoadImage(kept[0].m_strImagePath), keptImage);
    ASSERT_EQ(m_confirm.m_asked.size(), 2u);
    EXPECT_TRUE(m_confirm.m_asked[1].m_bRestore);
    EXPECT_EQ(m_confirm.m_asked[1].m_diffs,
              (std::vector<DiffItem>{{"Input 2 name", "Hall", "Kitchen"}}));
}

TEST_F(UnitSafeWriteTest, AnErasedUnitIsKeptAsErased) {
    LoadSmallSite();
    ASSERT_TRUE(WriteCommand(m_safe));
    ASSERT_EQ(m_confirm.m_asked.size(), 1u);
    EXPECT_TRUE(m_confirm.m_asked[0].m_bErased);
    EXPECT_FALSE(m_confirm.m_asked[0].m_bAnotherSite);
    const auto kept = UnitHistory(m_state.m_strHistoryFolder).List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept[0].m_bErased);
    // Erased but for the unit's own switches cell.
    std::vector<uint8_t> erased(65536, 0xFF);
    erased[0xFFFD] = 0x5A;
    EXPECT_EQ(UnitHistory::LoadImage(kept[0].m_strImagePath), erased);
}

// Whatever keeps the write from going on before the erase, the unit is left
// exactly as it was, out of programming mode, and the window idle.
TEST_F(UnitSafeWriteTest, StopsBeforeTheEraseWhenTheCopyCannotBeKeptOrIsDeclined) {
    UnitHoldsSmallSite();
    LoadSmallSite();
    const std::vector<uint8_t> before = m_unit.Eeprom();
    // A line that dropped cannot take the unit out of programming mode.
    const auto expectUntouched = [&](bool lineLost = false) {
        EXPECT_EQ(m_link.CountSent(0x2C), 0);
        EXPECT_EQ(m_link.CountSent(0x04), 0);
        EXPECT_EQ(m_unit.Eeprom(), before);
        EXPECT_EQ(m_unit.InProgrammingMode(), lineLost);
        EXPECT_EQ(m_link.comm_GetConnectedStatus(), 0);
        EXPECT_FALSE(m_state.m_bBusy);
        EXPECT_FALSE(m_state.m_bUnitPartlyWritten);
    };

    // The history folder cannot be made: a file stands in its way.
    m_dir.Write("blocked", "");
    m_state.m_strHistoryFolder = m_dir.PathOf("blocked") + "/unit-history";
    EXPECT_FALSE(WriteCommand(m_safe));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts()[0].rfind("Write M-4400 stopped before erasing anything: the copy "
                                          "of the unit's memory could not be stored in " +
                                              m_state.m_strHistoryFolder + " (",
                                          0),
              0u)
        << m_prompter.Texts()[0];
    EXPECT_TRUE(m_confirm.m_asked.empty());
    expectUntouched();

    // The copy cannot be read: the line drops half-way through it.
    m_prompter.m_shown.clear();
    m_state.m_strHistoryFolder = m_dir.PathOf("unit-history");
    m_link.m_faults.m_nDisconnectAfter = 1000;
    EXPECT_FALSE(WriteCommand(m_safe));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts()[0].rfind("Write M-4400 stopped before erasing anything: the "
                                          "unit's memory could not be read to keep a copy of it.\n",
                                          0),
              0u);
    expectUntouched(true);
    EXPECT_TRUE(UnitHistory(m_state.m_strHistoryFolder).List().empty());
    m_unit.SetProgrammingMode(false);

    // The user declines once the changes are shown.
    m_prompter.m_shown.clear();
    m_link.m_faults.m_nDisconnectAfter = -1;
    m_link.m_sent.clear();
    m_confirm.m_bAnswer = false;
    EXPECT_FALSE(WriteCommand(m_safe));
    EXPECT_EQ(m_prompter.Texts(), Texts{});
    EXPECT_EQ(m_prompter.m_statusTexts.back(),
              "Write stopped before anything was erased; the unit is unchanged.");
    expectUntouched();
}

// A write that fails on the line still verifies, and its last word is that the
// unit is partly written; a verify leaves the modified mark as it was.
TEST_F(UnitSafeWriteTest, AFailedWriteSaysTheUnitIsPartlyWritten) {
    LoadSmallSite();
    m_state.m_bKeepBeforeWrite = false;
    m_state.m_bEnableVerify = true;
    ASSERT_TRUE(WriteCommand(m_safe));
    EXPECT_FALSE(m_doc.IsModified());

    m_link.m_faults.m_onMessage = {{MessageFault::NoReply, 0x04, m_link.CountSent(0x04) + 5}};
    m_doc.SetModifiedFlag(true);
    EXPECT_FALSE(WriteCommand(m_safe));
    EXPECT_TRUE(m_doc.IsModified());
    const Texts texts = m_prompter.Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("Write M-4400 received no/bad reply\nto WriteEEProm command.\n", 0),
              0u);
    EXPECT_EQ(texts[1], "Error, Write operation failed verification.  Please retry write.");
    EXPECT_EQ(texts.back(),
              "The unit is partly written and will not work until a whole configuration is "
              "written to it.");
    EXPECT_EQ(m_link.CountSent(0x05), 2 * 2048);  // the verify read ran
    EXPECT_TRUE(m_state.m_bUnitPartlyWritten);
    EXPECT_EQ(m_prompter.m_statusTexts.back(), "Unit partly written.");

    m_link.m_faults.m_onMessage.clear();
    m_prompter.m_shown.clear();
    ASSERT_TRUE(WriteCommand(m_safe));
    EXPECT_FALSE(m_state.m_bUnitPartlyWritten);
}

// Another site: the camera interface unit count differs, or more than half of
// the inputs differ (the small site has four).
TEST(WriteConfirmation, SaysWhenTheUnitSeemsToHoldAnotherSite) {
    CZRTProDoc site;
    MemoryTree tree;
    MakeSmallSite(site, tree);
    const std::vector<uint8_t> unit = SmallSiteImage();
    struct Case {
        int renamed;
        bool another;
    };
    for (const Case c : {Case{0, false}, Case{2, false}, Case{3, true}}) {
        SCOPED_TRACE(c.renamed);
        CZRTProDoc written = site;
        for (int i = 0; i < c.renamed; ++i) written.m_nodes[3 + i].m_strName = "Other";
        const WriteConfirmation w = ConfirmationFor(written, unit);
        EXPECT_EQ(w.m_diffs.size(), static_cast<size_t>(c.renamed));
        EXPECT_EQ(w.m_bAnotherSite, c.another);
        EXPECT_FALSE(w.m_bErased);
    }
    CZRTProDoc more = site;
    more.m_nCiuCount = 1;
    EXPECT_TRUE(ConfirmationFor(more, unit).m_bAnotherSite);
    EXPECT_TRUE(ConfirmationFor(site, std::vector<uint8_t>(65536, 0xFF)).m_bErased);
}

// A kept copy opens as a read would: the save question first (Cancel changes
// nothing), the model question, then an untitled configuration, modified,
// with no edits to undo and no password waiting for a write.
TEST_F(UnitSafeWriteTest, AKeptCopyOpensAsARead) {
    LoadSmallSite();
    m_doc.SetPathName("/sites/school.zrt");
    m_doc.m_nodes[4].m_strName = "Kitchen";
    m_doc.SetModifiedFlag(true);
    m_state.m_history.Start(m_doc);
    m_state.m_strPendingPassword = "newpw";
    m_state.m_bPasswordPending = true;
    std::vector<uint8_t> image = SmallSiteImage();
    image[0xFFFD] = 0x5A;

    m_prompter.m_answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(OpenUnitImage(m_ctx, image));
    EXPECT_EQ(m_doc.m_nodes[4].m_strName, "Kitchen");
    EXPECT_EQ(m_doc.GetTitle(), "school.zrt");
    EXPECT_TRUE(m_state.m_bPasswordPending);

    m_prompter.m_answers = {PromptAnswer::No};  // not saved
    EXPECT_TRUE(OpenUnitImage(m_ctx, image));
    EXPECT_EQ(m_prompter.Texts(),
              (Texts{"Save changes to school.zrt?", "Save changes to school.zrt?"}));
    // The model is the copy's: nothing is asked about it.
    EXPECT_EQ(m_prompter.m_unitModelAsks.size(), 0u);
    EXPECT_EQ(m_doc.m_nPortCount, 4);
    EXPECT_EQ(m_doc.m_nodes[4].m_strName, "Hall");
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(m_state.m_history.CanUndo());
    // The password typed for the configuration replaced is not written with this one.
    EXPECT_FALSE(m_state.m_bPasswordPending);
    EXPECT_EQ(m_state.m_strPendingPassword, "");

    // A copy holding no configuration says so, before any other question, and changes nothing.
    m_prompter.m_shown.clear();
    std::vector<uint8_t> half = image;
    std::fill(half.begin() + 0x8000, half.end() - 3, 0xFF);
    EXPECT_FALSE(OpenUnitImage(m_ctx, half));
    EXPECT_EQ(m_prompter.Texts(), (Texts{"The copy cannot be opened as a configuration: the "
                                         "unit's memory in it is partly written."}));
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_EQ(m_doc.m_nodes[4].m_strName, "Hall");
}

// Turning the kept copy off skips the keeping only: the unit is still read,
// the question still comes (here: another site, declined), nothing erased.
TEST_F(UnitSafeWriteTest, TurningTheCopyOffStillChecksBeforeTheErase) {
    UnitHoldsSmallSite();
    LoadSmallSite();
    for (int i = 3; i < 7; ++i) m_doc.m_nodes[static_cast<size_t>(i)].m_strName = "Other";
    const std::vector<uint8_t> before = m_unit.Eeprom();
    m_state.m_bKeepBeforeWrite = false;
    m_state.m_bCheckBeforeWrite = true;
    m_confirm.m_bAnswer = false;
    EXPECT_FALSE(WriteCommand(m_safe));
    ASSERT_EQ(m_confirm.m_asked.size(), 1u);
    EXPECT_TRUE(m_confirm.m_asked[0].m_bAnotherSite);
    EXPECT_EQ(m_confirm.m_asked[0].m_diffs.size(), 4u);
    EXPECT_EQ(m_link.CountSent(0x2C), 0);
    EXPECT_EQ(m_unit.Eeprom(), before);
    EXPECT_FALSE(fs::exists(m_state.m_strHistoryFolder));
    EXPECT_EQ(m_state.m_strKeptPath, "");

    // Nothing whole in the unit: its settings block, read first, says so, and
    // the rest is not read.
    m_unit.LoadEeprom(std::vector<uint8_t>(65536, 0xFF));
    m_link.m_sent.clear();
    m_confirm.m_asked.clear();
    m_confirm.m_bAnswer = true;
    EXPECT_TRUE(WriteCommand(m_safe));
    ASSERT_EQ(m_confirm.m_asked.size(), 1u);
    EXPECT_EQ(m_confirm.m_nClearsBeforeAsked, 0);
    EXPECT_EQ(QuestionFor(m_confirm.m_asked[0]).m_strCount,
              "The unit holds no whole configuration (it is erased or partly written); writing "
              "puts this configuration in it.");
    EXPECT_EQ(m_link.CountSent(0x05), 1);
}

// A copy that cannot be read is said so with the unit out of programming mode
// and the line closed.
TEST_F(UnitSafeWriteTest, AnUnreadableCopyIsSaidOnceTheUnitIsFree) {
    UnitHoldsSmallSite();
    LoadSmallSite();
    m_link.m_faults.m_onMessage = {{MessageFault::NoReply, 0x05, 100}};
    bool programming = true;
    bool connected = true;
    m_prompter.m_onMessage = [&](const std::string&) {
        programming = m_unit.InProgrammingMode();
        connected = m_link.comm_GetConnectedStatus() != 0;
    };
    EXPECT_FALSE(WriteCommand(m_safe));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts()[0].rfind("Write M-4400 stopped before erasing anything", 0), 0u);
    EXPECT_FALSE(programming);
    EXPECT_FALSE(connected);
    EXPECT_EQ(m_link.CountSent(0x2C), 0);
}

// A restore keeps the unit's present password, never the one waiting for the
// open configuration, whatever the copy's password cells show.
TEST_F(UnitSafeWriteTest, ARestoreKeepsTheUnitsPresentPassword) {
    std::vector<uint8_t> image = SmallSiteImage();
    image[0xFFFD] = 0x5A;
    const std::string present("4321\0\0\0\0\0", 9);
    std::copy(present.begin(), present.end(), image.begin() + 0xFFD0);
    m_unit.LoadEeprom(image);
    m_link.m_strOfferedPassword = "4321";
    LoadSmallSite();
    m_state.m_strPendingPassword = "secret";
    m_state.m_bPasswordPending = true;

    std::vector<uint8_t> copy = SmallSiteImage();
    for (const std::string& cells : {std::string(9, '\xFF'), std::string("old\0\0\0\0\0\0", 9)}) {
        std::copy(cells.begin(), cells.end(), copy.begin() + 0xFFD0);
        ASSERT_TRUE(RestoreCommand(m_safe, copy, "2026-12-11T02:15:44+01:00"));
        const std::vector<uint8_t> now = m_unit.Eeprom();
        EXPECT_EQ(std::string(now.begin() + 0xFFD0, now.begin() + 0xFFD9), present);
    }
    EXPECT_TRUE(m_state.m_bPasswordPending);
    EXPECT_EQ(UnitHistory(m_state.m_strHistoryFolder).List().front().m_strSite,
              "the copy kept 2026-12-11T02:15:44+01:00");
}

// A write stopped half-way leaves the unit partly written: the next write
// says so, never "another site", and the history says so of its copy.
TEST_F(UnitSafeWriteTest, APartlyWrittenUnitIsSaidSo) {
    LoadSmallSite();
    m_link.m_faults.m_onMessage = {{MessageFault::NoReply, 0x04, 10}};
    EXPECT_FALSE(WriteCommand(m_safe));
    ASSERT_TRUE(m_state.m_bUnitPartlyWritten);
    m_link.m_faults.m_onMessage.clear();
    m_confirm.m_asked.clear();
    ASSERT_TRUE(WriteCommand(m_safe));
    ASSERT_EQ(m_confirm.m_asked.size(), 1u);
    EXPECT_TRUE(m_confirm.m_asked[0].m_bPartlyWritten);
    EXPECT_FALSE(m_confirm.m_asked[0].m_bAnotherSite);
    EXPECT_EQ(QuestionFor(m_confirm.m_asked[0]).m_strCount,
              "The unit is partly written; writing puts this configuration in it whole.");
    const UnitHistoryEntry kept = UnitHistory(m_state.m_strHistoryFolder).List().front();
    EXPECT_TRUE(kept.m_bPartlyWritten);
    EXPECT_EQ(HeldText(kept), "partly written");
}

// Each entry says what the unit held, read from the copy, and separately
// which configuration was then written.
TEST_F(UnitSafeWriteTest, TheHistorySaysWhatTheUnitHeldAndWhatWasWritten) {
    UnitHoldsSmallSite();  // an M-4400, no camera interface unit, 4 inputs
    BuildNumbered(m_doc, m_tree, 8, 2, 100);
    m_doc.SetPathName("/sites/siteB.zrt");
    ASSERT_TRUE(WriteCommand(m_safe));
    const UnitHistoryEntry kept = UnitHistory(m_state.m_strHistoryFolder).List().front();
    EXPECT_EQ(kept.m_strSite, "siteB.zrt");
    EXPECT_EQ(kept.m_strModel, "M-4400");
    EXPECT_EQ(kept.m_nCameraUnits, 0);
    EXPECT_EQ(kept.m_nInputs, 4);
    EXPECT_EQ(HeldText(kept), "M-4400, 0 camera interface units, 4 inputs");
}
