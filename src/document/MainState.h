#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/EditHistory.h"

// What the main window keeps beside the document: the history of its edits,
// and about the unit the memory image last built or read, the copy a verify
// compares against, the busy state of a transfer, the unit's password and the
// one waiting to be written.
struct MainState {
    // One cell a failed verify read back other than it was written.
    struct VerifyDifference {
        uint32_t m_nAddress = 0;
        uint8_t m_byWritten = 0;
        uint8_t m_byRead = 0;
        bool operator==(const VerifyDifference&) const = default;
    };
    static constexpr size_t kVerifyDetailsKept = 10;

    EditHistory m_history;

    std::vector<uint8_t> m_image;
    std::vector<uint8_t> m_writtenImage;
    bool m_bBusy = false;
    bool m_bVerifyPass = false;
    bool m_bEnableVerify = false;
    std::string m_strUnitPassword;
    std::string m_strPendingPassword;
    bool m_bPasswordPending = false;

    // Set by the progress page's Cancel (Ctrl+C in the command-line tool): the
    // transfer stops after the message in flight. Cleared when a command starts.
    bool m_bCancelRequested = false;
    // Set while a write changes the unit's memory: stopping then leaves the
    // unit partly written, so Cancel asks first.
    bool m_bWriting = false;

    // A write first reads the unit's whole memory and shows what it will
    // change, and may stop there; the window and the command-line tool always
    // do. With m_bKeepBeforeWrite too (on unless the user turned it off) the
    // memory read is kept in the unit history in this folder, and the write
    // stops before erasing when it cannot be.
    bool m_bCheckBeforeWrite = false;
    bool m_bKeepBeforeWrite = false;
    std::string m_strHistoryFolder;
    // The connection in use as the user gave it ("serial:ttyUSB0:9600"), for the history.
    std::string m_strConnection;
    // The image file of the copy kept last (by a read, write or restore).
    std::string m_strKeptPath;
    // A write stopped or failed after the erase: the unit holds no whole
    // configuration until a write ends.
    bool m_bUnitPartlyWritten = false;

    // The last failed verify: how many cells differ, and the first of them.
    size_t m_nVerifyDifferences = 0;
    std::vector<VerifyDifference> m_verifyDifferences;
};
