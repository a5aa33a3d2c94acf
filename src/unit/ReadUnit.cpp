#include "unit/ReadUnit.h"

#include "document/DocumentOps.h"
#include "model/Translate.h"
#include "unit/ConnectUnit.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/DecodeUnitImage.h"
#include "unit/FetchUnitMemory.h"
#include "unit/KeepUnitMemory.h"
#include "unit/LinkUi.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitMessages.h"
#include "unit/VerifyImage.h"

namespace {

// How fetching the memory went: whether all of it arrived, and whether the
// unit then left programming mode.
struct MemoryFetch {
    bool m_bFetched = false;
    bool m_bLeft = false;
};

// With the unit connected: programming mode, the whole memory into `image`
// behind the progress page, programming mode left and the link closed. Every
// failure, and a cancel, is reported.
MemoryFetch FetchUnitMemory(UnitContext& c, std::vector<uint8_t>& image) {
    MainState& s = c.m_state;
    if (const uint32_t code = c.m_link.comm_SetProgrammingMode(1); code != UnitLink::kOk) {
        ReportLinkError(c.m_prompter, code, Tr("Unit", UnitMessages::kReadEnterMode));
        // The verify read of a write enters here busy; the window must not stay so.
        EndLinkUi(c);
        c.m_link.comm_Disconnect();
        return {};
    }

    BeginLinkUi(c);
    MemoryFetch result;
    const MemoryFetchTexts texts = {
        s.m_bVerifyPass ? Tr("Unit", UnitMessages::kVerifying) : Tr("Unit", UnitMessages::kReading),
        Tr("Unit", UnitMessages::kReadSend), Tr("Unit", UnitMessages::kReadNoReply)};
    result.m_bFetched = FetchMemoryImage(c, image, texts);
    EndLinkUi(c);
    const uint32_t left = c.m_link.comm_SetProgrammingMode(0);
    result.m_bLeft = left == UnitLink::kOk;
    if (!result.m_bLeft)
        ReportLinkError(c.m_prompter, left, Tr("Unit", UnitMessages::kReadExitMode));
    c.m_link.comm_Disconnect();
    if (!result.m_bFetched && s.m_bCancelRequested) {
        if (s.m_bVerifyPass)
            ReportLinkError(c.m_prompter, UnitLink::kUserCancelled,
                            Tr("Unit", UnitMessages::kVerifyCancelled));
        else
            c.m_prompter.Message(Tr("Unit", UnitMessages::kReadStopped));
    }
    return result;
}

}  // namespace

bool ReadUnit(UnitContext& c) {
    const WaitCursor wait(c.m_ui);
    MainState& s = c.m_state;
    ConnectUnit(c);
    if (!c.m_link.comm_GetConnectedStatus()) return false;
    if (!s.m_bVerifyPass && c.m_doc.IsModified()) {
        DocumentContext doc{c.m_doc, c.m_tree, c.m_prompter, &s, nullptr, c.m_pRecent};
        if (!ConfirmLeave(doc)) {
            c.m_link.comm_Disconnect();
            return false;
        }
    }
    const MemoryFetch fetch = FetchUnitMemory(c, s.m_image);

    bool done = false;
    bool decoded = false;
    const bool verify = s.m_bVerifyPass;
    if (fetch.m_bFetched) {
        if (!verify) {
            // The history keeps what the unit held, whether or not it decodes.
            std::string reason;
            if (!s.m_strHistoryFolder.empty())
                KeepUnitMemory(c, s.m_image, UnitMessages::kKindRead, {}, reason);
            done = decoded =
                DecodeUnitImage(s.m_image, c.m_doc, c.m_tree, c.m_prompter, s.m_strUnitPassword);
        } else {
            done = !s.m_bEnableVerify || VerifyImage(c);
        }
        s.m_bVerifyPass = false;
    }
    // Only a configuration read from the unit is marked, starts a history of
    // its own and drops the password waiting for a write: that password was
    // meant for the configuration now replaced. A read that replaced nothing
    // leaves all three as they were.
    if (decoded) {
        c.m_doc.SetModifiedFlag(true);
        s.m_history.Start(c.m_doc);
        s.m_strPendingPassword.clear();
        s.m_bPasswordPending = false;
    }
    return done && fetch.m_bLeft;
}

bool ReadUnitCopy(UnitContext& c, CZRTProDoc& copy) {
    const WaitCursor wait(c.m_ui);
    ConnectUnit(c);
    if (!c.m_link.comm_GetConnectedStatus()) return false;
    std::vector<uint8_t> image;
    if (!FetchUnitMemory(c, image).m_bFetched) return false;
    // Decoded as a read into the window would: from the open configuration,
    // whose model the unit is taken to be.
    return DecodeUnitCopy(image, c.m_doc, copy, &c.m_prompter);
}
