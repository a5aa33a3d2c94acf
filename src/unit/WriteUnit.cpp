#include "unit/WriteUnit.h"

#include <algorithm>

#include "model/Format.h"
#include "unit/BuildUnitImage.h"
#include "unit/ConnectUnit.h"
#include "unit/ImageFitCheck.h"
#include "unit/LinkUi.h"
#include "unit/LopExchange.h"
#include "unit/LopMessages.h"
#include "unit/ReadUnit.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

namespace {

constexpr size_t kProgressStride = 128;
constexpr int kEraseBlocks = 2;

// The three reports of one kind of message.
struct LopTexts {
    const char* m_sendFailed;
    const char* m_noReply;
    const char* m_wrongLength;
};

constexpr LopTexts kSwitchesTexts = {UnitMessages::kWriteSendSwitches,
                                     UnitMessages::kWriteNoReplySwitches,
                                     UnitMessages::kWriteLengthSwitches};
constexpr LopTexts kClearTexts = {UnitMessages::kWriteSendClear, UnitMessages::kWriteNoReplyClear,
                                  UnitMessages::kWriteLengthClear};
constexpr LopTexts kWriteTexts = {UnitMessages::kWriteSendWrite, UnitMessages::kWriteNoReplyWrite,
                                  UnitMessages::kWriteLengthWrite};

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

void PlacePassword(UnitContext& c) {
    MainState& s = c.m_state;
    if (!s.m_bPasswordPending) c.m_link.comm_GetCurrentPword(s.m_strUnitPassword);
    const std::string& password =
        s.m_bPasswordPending ? s.m_strPendingPassword : s.m_strUnitPassword;
    for (size_t k = 0; k < UnitImage::kPasswordSize; ++k)
        s.m_image[UnitImage::kPassword + k] =
            k < password.size() ? static_cast<uint8_t>(password[k]) : 0x00;
}

bool FetchSwitches(UnitContext& c) {
    std::span<const uint8_t> reply;
    if (!Exchange(c, Lop::ReadCellMessage(UnitImage::kSwitches), UnitLink::kDefaultTimeout,
                  Lop::kCellReplyCount, Lop::kReplyData + 1, kSwitchesTexts, &reply))
        return false;
    c.m_state.m_image[UnitImage::kSwitches] = reply[Lop::kReplyData];
    return true;
}

// How the erase or the programming ended.
enum class Step { Done, Failed, Cancelled };

Step Erase(UnitContext& c) {
    for (int block = 0; block < kEraseBlocks; ++block) {
        if (c.m_state.m_bCancelRequested) return Step::Cancelled;
        c.m_prompter.SetStatusText(StrFormat(UnitMessages::kClearingEeprom, block));
        if (!Exchange(c, Lop::ClearBlockMessage(static_cast<uint8_t>(block)),
                      UnitLink::kEraseTimeout, Lop::kClearReplyCount, 1, kClearTexts))
            return Step::Failed;
        c.m_prompter.SetProgress(2 * block + 2);
    }
    return Step::Done;
}

Step Program(UnitContext& c, size_t total) {
    const std::vector<uint8_t>& image = c.m_state.m_image;
    size_t count = 0;
    for (size_t a = 0; a < UnitImage::kSize; ++a) {
        if (a % kProgressStride == 0) {
            const int percent = total ? static_cast<int>(count * 100 / total) : 0;
            c.m_prompter.SetStatusText(StrFormat(UnitMessages::kWriting, percent));
            c.m_prompter.SetProgress(percent);
            c.m_prompter.Pump();
        }
        if (image[a] == UnitImage::kErased) continue;
        if (c.m_state.m_bCancelRequested) return Step::Cancelled;
        if (!Exchange(c, Lop::WriteCellMessage(static_cast<uint16_t>(a), image[a]),
                      UnitLink::kDefaultTimeout, Lop::kCellReplyCount, Lop::kReplyData + 1,
                      kWriteTexts))
            return Step::Failed;
        ++count;
    }
    return Step::Done;
}

// A cancelled write leaves programming mode, the line and the busy state at
// once, so the unit is free while the user reads that it is only partly
// written; no verify follows.
bool EndCancelledWrite(UnitContext& c) {
    c.m_link.comm_SetProgrammingMode(0);
    c.m_link.comm_Disconnect();
    EndLinkUi(c);
    ReportLinkError(c.m_prompter, UnitLink::kUserCancelled, UnitMessages::kWriteCancelled);
    return false;
}

}  // namespace

bool WriteUnit(UnitContext& c) {
    const WaitCursor wait(c.m_ui);
    MainState& s = c.m_state;
    if (c.m_doc.m_nodes.empty()) return false;
    if (!c.m_doc.CheckArchConflicts()) {
        c.m_prompter.Message(UnitMessages::kConflictsCannotWrite);
        return false;
    }
    if (!CheckUnitImageFits(c.m_doc, c.m_prompter)) return false;

    s.m_image = BuildUnitImage(c.m_doc, c.m_prompter);
    s.m_writtenImage = s.m_image;
    const auto total = static_cast<size_t>(std::count_if(
        s.m_image.begin(), s.m_image.end(), [](uint8_t v) { return v != UnitImage::kErased; }));

    ConnectUnit(c);
    if (!c.m_link.comm_GetConnectedStatus()) return false;
    if (const uint32_t code = c.m_link.comm_SetProgrammingMode(1); code != UnitLink::kOk) {
        ReportLinkError(c.m_prompter, code, UnitMessages::kWriteEnterMode);
        c.m_link.comm_Disconnect();
        return false;
    }
    PlacePassword(c);
    if (!FetchSwitches(c)) {
        c.m_link.comm_Disconnect();
        return false;
    }

    BeginLinkUi(c);
    Step step = Erase(c);
    if (step == Step::Done) step = Program(c, total);
    if (step == Step::Cancelled) return EndCancelledWrite(c);
    const bool written = step == Step::Done;

    s.m_bVerifyPass = true;
    if (s.m_bEnableVerify) return ReadUnit(c) && written;
    const uint32_t code = c.m_link.comm_SetProgrammingMode(0);
    EndLinkUi(c);
    if (code != UnitLink::kOk) ReportLinkError(c.m_prompter, code, UnitMessages::kWriteExitMode);
    c.m_link.comm_Disconnect();
    return written && code == UnitLink::kOk;
}
