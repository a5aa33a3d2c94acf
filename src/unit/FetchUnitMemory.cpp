#include "unit/FetchUnitMemory.h"

#include "model/Format.h"
#include "unit/LopExchange.h"
#include "unit/LopMessages.h"
#include "unit/ReportLinkError.h"
#include "unit/TransferPace.h"
#include "unit/UnitImageLayout.h"

namespace {

// a / 65,535 in percent, 0 to 99.
int ReadPercent(size_t address) {
    return static_cast<int>(static_cast<double>(address) * 1.5259022e-05 * 100);
}

}  // namespace

bool FetchMemoryImage(UnitContext& c, std::vector<uint8_t>& image, const MemoryFetchTexts& texts,
                      MemoryFetchFailure* failure, size_t from, size_t to) {
    image.clear();
    image.reserve(to - from);
    TransferPace pace(c.m_prompter, c.m_clock);
    for (size_t a = from; a < to; a += Lop::kBlockCells) {
        const int percent = ReadPercent(a);
        pace.Show(StrFormat(texts.m_progress.c_str(), percent), a, UnitImage::kSize);
        c.m_prompter.SetProgress(percent);
        c.m_prompter.Pump();
        if (c.m_state.m_bCancelRequested) return false;
        const LopExchange x =
            ExchangeLop(c.m_link, Lop::ReadBlockMessage(static_cast<uint16_t>(a)));
        const std::string* failed = nullptr;
        if (x.m_result == LopExchange::Result::SendFailed)
            failed = &texts.m_sendFailed;
        else if (x.m_result == LopExchange::Result::NoReply ||
                 x.m_reply.size() < Lop::kReplyData + Lop::kBlockCells)
            failed = &texts.m_noReply;
        if (failed && failure) {
            *failure = {x.m_nCode, *failed};
            return false;
        }
        if (failed) {
            ReportLinkError(c.m_prompter, x.m_nCode, *failed);
            c.m_link.comm_Disconnect();
            return false;
        }
        const auto data = x.m_reply.subspan(Lop::kReplyData, Lop::kBlockCells);
        image.insert(image.end(), data.begin(), data.end());
    }
    return true;
}
