#include "unit/ReadUnit.h"

#include "document/DocumentOps.h"
#include "model/Format.h"
#include "unit/ConnectUnit.h"
#include "unit/DecodeUnitImage.h"
#include "unit/LinkUi.h"
#include "unit/LopExchange.h"
#include "unit/LopMessages.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"
#include "unit/VerifyImage.h"

namespace {

// a / 65,535 in percent, 0 to 99.
int ReadPercent(size_t address) {
    return static_cast<int>(static_cast<double>(address) * 1.5259022e-05 * 100);
}

// Fills m_image with the unit's memory; false after a reported failure.
bool FetchImage(UnitContext& c) {
    MainState& s = c.m_state;
    s.m_image.clear();
    s.m_image.reserve(UnitImage::kSize);
    for (size_t a = 0; a < UnitImage::kSize; a += Lop::kBlockCells) {
        const int percent = ReadPercent(a);
        c.m_prompter.SetStatusText(StrFormat(
            s.m_bVerifyPass ? UnitMessages::kVerifying : UnitMessages::kReading, percent));
        c.m_prompter.SetProgress(percent);
        c.m_prompter.Pump();
        if (s.m_bCancelRequested) return false;
        const LopExchange x =
            ExchangeLop(c.m_link, Lop::ReadBlockMessage(static_cast<uint16_t>(a)));
        const char* failure = nullptr;
        if (x.m_result == LopExchange::Result::SendFailed)
            failure = UnitMessages::kReadSend;
        else if (x.m_result == LopExchange::Result::NoReply ||
                 x.m_reply.size() < Lop::kReplyData + Lop::kBlockCells)
            failure = UnitMessages::kReadNoReply;
        if (failure) {
            ReportLinkError(c.m_prompter, x.m_nCode, failure);
            c.m_link.comm_Disconnect();
            return false;
        }
        const auto data = x.m_reply.subspan(Lop::kReplyData, Lop::kBlockCells);
        s.m_image.insert(s.m_image.end(), data.begin(), data.end());
    }
    return true;
}

}  // namespace

bool ReadUnit(UnitContext& c) {
    const WaitCursor wait(c.m_ui);
    MainState& s = c.m_state;
    ConnectUnit(c);
    if (!c.m_link.comm_GetConnectedStatus()) return false;
    if (!s.m_bVerifyPass && c.m_doc.IsModified()) {
        DocumentContext doc{c.m_doc, c.m_tree, c.m_prompter, &s};
        if (!ConfirmLeave(doc)) {
            c.m_link.comm_Disconnect();
            return false;
        }
    }
    if (const uint32_t code = c.m_link.comm_SetProgrammingMode(1); code != UnitLink::kOk) {
        ReportLinkError(c.m_prompter, code, UnitMessages::kReadEnterMode);
        // The verify read of a write enters here busy; the window must not stay so.
        EndLinkUi(c);
        c.m_link.comm_Disconnect();
        return false;
    }

    BeginLinkUi(c);
    const bool fetched = FetchImage(c);
    EndLinkUi(c);
    const uint32_t left = c.m_link.comm_SetProgrammingMode(0);
    if (left != UnitLink::kOk) ReportLinkError(c.m_prompter, left, UnitMessages::kReadExitMode);
    c.m_link.comm_Disconnect();
    if (!fetched && s.m_bCancelRequested)
        ReportLinkError(
            c.m_prompter, UnitLink::kUserCancelled,
            s.m_bVerifyPass ? UnitMessages::kVerifyCancelled : UnitMessages::kReadCancelled);

    bool done = false;
    bool decoded = false;
    if (fetched) {
        if (!s.m_bVerifyPass)
            done = decoded =
                DecodeUnitImage(s.m_image, c.m_doc, c.m_tree, c.m_prompter, s.m_strUnitPassword);
        else
            done = !s.m_bEnableVerify || VerifyImage(c);
        s.m_bVerifyPass = false;
    }
    c.m_doc.SetModifiedFlag(true);
    // A configuration read from the unit starts a history of its own.
    if (decoded) s.m_history.Start(c.m_doc);
    return done && left == UnitLink::kOk;
}
