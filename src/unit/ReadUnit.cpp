#include "unit/ReadUnit.h"

#include "document/DocumentOps.h"
#include "model/Format.h"
#include "tree/MemoryTree.h"
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

// Fills `image` with the unit's memory; false after a reported failure.
bool FetchImage(UnitContext& c, std::vector<uint8_t>& image) {
    const MainState& s = c.m_state;
    image.clear();
    image.reserve(UnitImage::kSize);
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
        image.insert(image.end(), data.begin(), data.end());
    }
    return true;
}

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
        ReportLinkError(c.m_prompter, code, UnitMessages::kReadEnterMode);
        // The verify read of a write enters here busy; the window must not stay so.
        EndLinkUi(c);
        c.m_link.comm_Disconnect();
        return {};
    }

    BeginLinkUi(c);
    MemoryFetch result;
    result.m_bFetched = FetchImage(c, image);
    EndLinkUi(c);
    const uint32_t left = c.m_link.comm_SetProgrammingMode(0);
    result.m_bLeft = left == UnitLink::kOk;
    if (!result.m_bLeft) ReportLinkError(c.m_prompter, left, UnitMessages::kReadExitMode);
    c.m_link.comm_Disconnect();
    if (!result.m_bFetched && s.m_bCancelRequested)
        ReportLinkError(
            c.m_prompter, UnitLink::kUserCancelled,
            s.m_bVerifyPass ? UnitMessages::kVerifyCancelled : UnitMessages::kReadCancelled);
    return result;
}

// Answers the unit model question with the model it was made with.
class FixedModelPrompter : public Prompter {
public:
    FixedModelPrompter(Prompter& inner, int rows) : m_inner(inner), m_nRows(rows) {}

    PromptAnswer Message(const std::string& text, PromptButtons buttons, PromptIcon icon,
                         const std::string& caption) override {
        return m_inner.Message(text, buttons, icon, caption);
    }
    void SetStatusText(const std::string& text) override { m_inner.SetStatusText(text); }
    void SetProgress(int percent) override { m_inner.SetProgress(percent); }
    void Pump() override { m_inner.Pump(); }
    bool AskUnitModel(bool, UnitModelAnswer& answer) override {
        answer.m_nRows = m_nRows;
        return true;
    }
    bool ChooseFile(FileChoice kind, std::string& path) override {
        return m_inner.ChooseFile(kind, path);
    }

private:
    Prompter& m_inner;
    int m_nRows;
};

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
    if (fetch.m_bFetched) {
        if (!s.m_bVerifyPass)
            done = decoded =
                DecodeUnitImage(s.m_image, c.m_doc, c.m_tree, c.m_prompter, s.m_strUnitPassword);
        else
            done = !s.m_bEnableVerify || VerifyImage(c);
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
    CZRTProDoc decoded = c.m_doc;
    MemoryTree tree;
    FixedModelPrompter prompter(c.m_prompter, c.m_doc.m_nPortCount > 4 ? 2 : 1);
    std::string password;
    if (!DecodeUnitImage(image, decoded, tree, prompter, password)) return false;
    copy = std::move(decoded);
    return true;
}
