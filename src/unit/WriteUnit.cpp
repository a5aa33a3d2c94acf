#include "unit/WriteUnit.h"

#include <algorithm>

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/BuildUnitImage.h"
#include "unit/ConnectUnit.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/DescribeUnitCopy.h"
#include "unit/FetchUnitMemory.h"
#include "unit/ImageFitCheck.h"
#include "unit/KeepUnitMemory.h"
#include "unit/LinkUi.h"
#include "unit/LopExchange.h"
#include "unit/LopMessages.h"
#include "unit/ReadUnit.h"
#include "unit/ReportLinkError.h"
#include "unit/TransferPace.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

namespace {

constexpr size_t kProgressStride = 128;
constexpr int kEraseBlocks = 2;

// The three reports of one kind of message, in the user's language.
struct LopTexts {
    std::string m_sendFailed;
    std::string m_noReply;
    std::string m_wrongLength;
};

LopTexts SwitchesTexts() {
    return {Tr("Unit", UnitMessages::kWriteSendSwitches),
            Tr("Unit", UnitMessages::kWriteNoReplySwitches),
            Tr("Unit", UnitMessages::kWriteLengthSwitches)};
}

LopTexts ClearTexts() {
    return {Tr("Unit", UnitMessages::kWriteSendClear), Tr("Unit", UnitMessages::kWriteNoReplyClear),
            Tr("Unit", UnitMessages::kWriteLengthClear)};
}

LopTexts WriteTexts() {
    return {Tr("Unit", UnitMessages::kWriteSendWrite), Tr("Unit", UnitMessages::kWriteNoReplyWrite),
            Tr("Unit", UnitMessages::kWriteLengthWrite)};
}

// Sends one message and checks its reply's length count; reports any failure.
bool Exchange(UnitContext& c, const std::vector<uint8_t>& message, uint32_t timeoutMs,
              uint8_t replyCount, size_t replyBytes, const LopTexts& texts,
              std::span<const uint8_t>* reply = nullptr) {
    const LopExchange x = ExchangeLop(c.m_link, message, timeoutMs);
    switch (x.m_result) {
        case LopExchange::Result::SendFailed:
            ReportLinkError(c.m_prompter, x.m_nCode, texts.m_sendFailed);
            return false;
        case LopExchange::Result::NoReply:
            ReportLinkError(c.m_prompter, x.m_nCode, texts.m_noReply);
            return false;
        case LopExchange::Result::Ok:
            break;
    }
    if (x.m_reply[0] != replyCount || x.m_reply.size() < replyBytes) {
        ReportLinkError(c.m_prompter, UnitLink::kOk, texts.m_wrongLength);
        return false;
    }
    if (reply) *reply = x.m_reply;
    return true;
}

// A write gives the unit the password waiting for it, else keeps the one in
// use on the line. A restore always keeps the one in use: a unit never shows
// its password cells, so a copy holds none, and the password waiting was
// meant for the open configuration, not for the copy.
void PlacePassword(UnitContext& c, bool restore) {
    MainState& s = c.m_state;
    const bool pending = s.m_bPasswordPending && !restore;
    if (!pending) c.m_link.comm_GetCurrentPword(s.m_strUnitPassword);
    const std::string& password = pending ? s.m_strPendingPassword : s.m_strUnitPassword;
    for (size_t k = 0; k < UnitImage::kPasswordSize; ++k)
        s.m_image[UnitImage::kPassword + k] =
            k < password.size() ? static_cast<uint8_t>(password[k]) : 0x00;
}

bool FetchSwitches(UnitContext& c) {
    std::span<const uint8_t> reply;
    if (!Exchange(c, Lop::ReadCellMessage(UnitImage::kSwitches), UnitLink::kDefaultTimeout,
                  Lop::kCellReplyCount, Lop::kReplyData + 1, SwitchesTexts(), &reply))
        return false;
    c.m_state.m_image[UnitImage::kSwitches] = reply[Lop::kReplyData];
    return true;
}

// How the erase or the programming ended.
enum class Step { Done, Failed, Cancelled };

Step Erase(UnitContext& c) {
    const LopTexts texts = ClearTexts();
    for (int block = 0; block < kEraseBlocks; ++block) {
        if (c.m_state.m_bCancelRequested) return Step::Cancelled;
        c.m_prompter.SetStatusText(
            StrFormat(Tr("Unit", UnitMessages::kClearingEeprom).c_str(), block));
        if (!Exchange(c, Lop::ClearBlockMessage(static_cast<uint8_t>(block)),
                      UnitLink::kEraseTimeout, Lop::kClearReplyCount, 1, texts))
            return Step::Failed;
        c.m_prompter.SetProgress(2 * block + 2);
    }
    return Step::Done;
}

// Every 128 addresses, and on a slow line once a second between them, the
// line and the bar follow the cells written.
Step Program(UnitContext& c, size_t total, int& percent) {
    const std::vector<uint8_t>& image = c.m_state.m_image;
    TransferPace pace(c.m_prompter, c.m_clock);
    const LopTexts texts = WriteTexts();
    const std::string writing = Tr("Unit", UnitMessages::kWriting);
    size_t count = 0;
    percent = 0;
    for (size_t a = 0; a < UnitImage::kSize; ++a) {
        if (a % kProgressStride == 0) {
            percent = total ? static_cast<int>(count * 100 / total) : 0;
            pace.Show(StrFormat(writing.c_str(), percent), count, total);
            c.m_prompter.SetProgress(percent);
            c.m_prompter.Pump();
        }
        if (image[a] == UnitImage::kErased) continue;
        if (c.m_state.m_bCancelRequested) return Step::Cancelled;
        if (!Exchange(c, Lop::WriteCellMessage(static_cast<uint16_t>(a), image[a]),
                      UnitLink::kDefaultTimeout, Lop::kCellReplyCount, Lop::kReplyData + 1, texts))
            return Step::Failed;
        ++count;
        if (pace.Due()) {
            percent = static_cast<int>(count * 100 / total);
            pace.Show(StrFormat(writing.c_str(), percent), count, total);
            c.m_prompter.SetProgress(percent);
        }
    }
    return Step::Done;
}

// Leaves programming mode, the line and the busy state of a write that ends
// early; the unit is free before the user reads why.
void EndEarly(UnitContext& c) {
    c.m_link.comm_SetProgrammingMode(0);
    c.m_link.comm_Disconnect();
    EndLinkUi(c);
}

// A write the user stopped ends with one message and no verify.
bool EndStoppedWrite(UnitContext& c, int percent) {
    EndEarly(c);
    c.m_state.m_bUnitPartlyWritten = true;
    c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kPartlyWrittenStatus));
    c.m_prompter.Message(StrFormat(Tr("Unit", UnitMessages::kWriteStopped).c_str(), percent),
                         PromptButtons::Ok, PromptIcon::Warning);
    return false;
}

// What the write will change: the open configuration, or for a restore the
// kept image (decoded as the model it holds), against what the unit holds.
WriteConfirmation Confirmation(UnitContext& c, bool restore, std::span<const uint8_t> unit) {
    if (!restore) return ConfirmationFor(c.m_doc, unit);
    CZRTProDoc kept;
    WriteConfirmation w;
    const UnitCopyContents copy = DescribeUnitCopy(c.m_state.m_image);
    CZRTProDoc model = c.m_doc;
    model.m_nPortCount = copy.m_nPorts;
    if (copy.m_kind == UnitCopyContents::Kind::Configuration &&
        DecodeUnitCopy(c.m_state.m_image, model, kept, nullptr)) {
        w = ConfirmationFor(kept, unit);
    } else {
        w.m_bErased = IsErasedImage(unit);
        w.m_bUndecodable = true;
    }
    w.m_bRestore = true;
    return w;
}

// Shows what the write will change; false, with the unit freed, when the user declines.
bool Confirm(UnitContext& c, const WriteConfirmation& what) {
    if (c.m_ui.ConfirmWrite(what)) return true;
    EndEarly(c);
    c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kStoppedBeforeErase));
    return false;
}

// Reads the unit's memory, keeps it in the history (unless the user turned
// that off) and shows what the write will change. False when the write must
// stop before the erase (said why, once the unit is free, or the user chose
// so); the link and the busy state are then ended.
bool CheckBeforeErase(UnitContext& c, bool restore, const std::string& written) {
    MainState& s = c.m_state;
    std::vector<uint8_t> unit;
    const MemoryFetchTexts texts =
        s.m_bKeepBeforeWrite ? MemoryFetchTexts{Tr("Unit", UnitMessages::kKeeping),
                                                Tr("Unit", UnitMessages::kKeepReadFailed),
                                                Tr("Unit", UnitMessages::kKeepReadFailed)}
                             : MemoryFetchTexts{Tr("Unit", UnitMessages::kChecking),
                                                Tr("Unit", UnitMessages::kCheckReadFailed),
                                                Tr("Unit", UnitMessages::kCheckReadFailed)};
    MemoryFetchFailure failure;
    const auto fetch = [&](std::vector<uint8_t>& cells, size_t from, size_t to) {
        if (FetchMemoryImage(c, cells, texts, &failure, from, to)) return true;
        EndEarly(c);
        if (!failure.m_text.empty())
            ReportLinkError(c.m_prompter, failure.m_nCode, failure.m_text);
        else if (s.m_bCancelRequested)
            c.m_prompter.Message(Tr("Unit", UnitMessages::kStoppedBeforeErase));
        return false;
    };
    // With nothing to keep, the settings block, which every whole write puts
    // in last, comes first: without it the unit holds no whole configuration
    // and there is nothing to compare.
    std::vector<uint8_t> last;
    constexpr size_t kLastBlock = UnitImage::kSize - Lop::kBlockCells;
    const bool partial = !s.m_bKeepBeforeWrite;
    if (partial) {
        if (!fetch(last, kLastBlock, UnitImage::kSize)) return false;
        if (last[UnitImage::kSignature - kLastBlock] == UnitImage::kErased) {
            WriteConfirmation nothing;
            nothing.m_bNoWholeConfiguration = true;
            nothing.m_bRestore = restore;
            return Confirm(c, nothing);
        }
    }
    if (!fetch(unit, 0, partial ? kLastBlock : UnitImage::kSize)) return false;
    unit.insert(unit.end(), last.begin(), last.end());
    s.m_strKeptPath.clear();
    std::string reason;
    if (s.m_bKeepBeforeWrite &&
        !KeepUnitMemory(c, unit,
                        restore ? UnitMessages::kKindBeforeRestore : UnitMessages::kKindBeforeWrite,
                        written, reason)) {
        EndEarly(c);
        c.m_prompter.Message(StrFormat(Tr("Unit", UnitMessages::kKeepStoreFailed).c_str(),
                                       s.m_strHistoryFolder.c_str(), reason.c_str()),
                             PromptButtons::Ok, PromptIcon::Error);
        return false;
    }
    return Confirm(c, Confirmation(c, restore, unit));
}

// Writes m_state.m_image, already copied to m_writtenImage, into the unit;
// `what` names it in the history.
bool WriteImage(UnitContext& c, bool restore, const std::string& what) {
    MainState& s = c.m_state;
    const auto total = static_cast<size_t>(std::count_if(
        s.m_image.begin(), s.m_image.end(), [](uint8_t v) { return v != UnitImage::kErased; }));

    ConnectUnit(c);
    if (!c.m_link.comm_GetConnectedStatus()) return false;
    if (const uint32_t code = c.m_link.comm_SetProgrammingMode(1); code != UnitLink::kOk) {
        ReportLinkError(c.m_prompter, code, Tr("Unit", UnitMessages::kWriteEnterMode));
        c.m_link.comm_Disconnect();
        return false;
    }
    PlacePassword(c, restore);
    if (!FetchSwitches(c)) {
        c.m_link.comm_Disconnect();
        return false;
    }

    BeginLinkUi(c);
    if ((s.m_bCheckBeforeWrite || s.m_bKeepBeforeWrite) && !CheckBeforeErase(c, restore, what))
        return false;
    s.m_bWriting = true;
    int percent = 0;
    Step step = Erase(c);
    if (step == Step::Done) step = Program(c, total, percent);
    s.m_bWriting = false;
    if (step == Step::Cancelled) return EndStoppedWrite(c, percent);
    const bool written = step == Step::Done;
    s.m_bUnitPartlyWritten = !written;

    s.m_bVerifyPass = true;
    bool ended = false;
    if (s.m_bEnableVerify) {
        ended = ReadUnit(c) && written;
    } else {
        const uint32_t code = c.m_link.comm_SetProgrammingMode(0);
        EndLinkUi(c);
        if (code != UnitLink::kOk)
            ReportLinkError(c.m_prompter, code, Tr("Unit", UnitMessages::kWriteExitMode));
        c.m_link.comm_Disconnect();
        ended = written && code == UnitLink::kOk;
    }
    if (!written) {
        c.m_prompter.SetStatusText(Tr("Unit", UnitMessages::kPartlyWrittenStatus));
        c.m_prompter.Message(Tr("Unit", UnitMessages::kWriteFailedPartly), PromptButtons::Ok,
                             PromptIcon::Warning);
    }
    return ended;
}

}  // namespace

bool WriteUnit(UnitContext& c) {
    const WaitCursor wait(c.m_ui);
    MainState& s = c.m_state;
    if (c.m_doc.m_nodes.empty()) return false;
    if (!c.m_doc.CheckArchConflicts()) {
        c.m_prompter.Message(Tr("Unit", UnitMessages::kConflictsCannotWrite));
        return false;
    }
    if (!CheckUnitImageFits(c.m_doc, c.m_prompter)) return false;

    s.m_image = BuildUnitImage(c.m_doc, c.m_prompter);
    s.m_writtenImage = s.m_image;
    return WriteImage(c, false, c.m_doc.GetTitle());
}

bool RestoreUnit(UnitContext& c, std::span<const uint8_t> image, const std::string& copyName) {
    const WaitCursor wait(c.m_ui);
    MainState& s = c.m_state;
    if (image.size() != UnitImage::kSize) {
        c.m_prompter.Message(Tr("Unit", UnitMessages::kRestoreNotImage), PromptButtons::Ok,
                             PromptIcon::Error);
        return false;
    }
    s.m_image.assign(image.begin(), image.end());
    s.m_writtenImage = s.m_image;
    return WriteImage(c, true,
                      copyName.empty() ? std::string(Tr("Unit", UnitMessages::kRestoredUnnamed))
                                       : StrFormat(Tr("Unit", UnitMessages::kRestoredCopy).c_str(),
                                                   copyName.c_str()));
}
