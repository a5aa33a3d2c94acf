#include "unit/link/LinkSession.h"

#include <algorithm>

#include "unit/LopMessages.h"
#include "unit/UnitLink.h"
#include "unit/link/LinkFrame.h"
#include "unit/link/LinkProtocol.h"

namespace {

namespace LP = LinkProtocol;

constexpr int kWriteMs = 1000;

bool CarriesAddress(uint8_t opcode) {
    return opcode == Lop::kReadCell || opcode == Lop::kWriteCell || opcode == Lop::kReadBlock;
}

}  // namespace

LinkSession::LinkSession(std::unique_ptr<LinkTransport> line) : m_line(std::move(line)) {}

LinkSession::~LinkSession() { Close(); }

uint32_t LinkSession::Connect(const std::string& password) {
    if (password.size() > LP::kMaxPassword) return UnitLink::kPasswordRejected;
    std::array<uint8_t, 2 + LP::kMaxPassword> lop{};
    lop[0] = static_cast<uint8_t>(1 + password.size());
    lop[1] = LP::kOpConnect;
    std::copy(password.begin(), password.end(), lop.begin() + 2);
    std::span<const uint8_t> reply;
    const uint32_t result = Exchange({lop.data(), 2 + password.size()}, LP::kConnectReplyMs, reply);
    // Silence or noise where a unit should answer: nothing that speaks our protocol is there.
    if (result & (UnitLink::kTimedOut | UnitLink::kBadAcknowledgement))
        return UnitLink::kNoUnitFound;
    if (result != UnitLink::kOk) return result;
    if (reply[0] < 2) return UnitLink::kBadAcknowledgement;
    return reply[2] == LP::kConnectAccepted ? UnitLink::kOk : UnitLink::kPasswordRejected;
}

uint32_t LinkSession::SetProgrammingMode(bool enter) {
    const uint8_t lop[] = {2, LP::kOpProgram, static_cast<uint8_t>(enter ? 1 : 0)};
    std::span<const uint8_t> reply;
    const uint32_t result = Exchange(lop, LP::kDefaultReplyMs, reply);
    if (result != UnitLink::kOk) return result;
    return reply[0] >= 2 && reply[2] == 0 ? UnitLink::kOk : UnitLink::kBadAcknowledgement;
}

void LinkSession::Close() {
    if (!m_line) return;
    const uint8_t lop[] = {1, LP::kOpBye};
    std::span<const uint8_t> reply;
    Exchange(lop, LP::kByeReplyMs, reply);
    m_line->HangUp();
    m_line->Close();
    m_line.reset();
}

uint32_t LinkSession::Send(std::span<const uint8_t> lop, int timeoutMs) {
    m_bAwaiting = false;
    if (!m_line) return UnitLink::kNoUnitFound;
    const std::vector<uint8_t> frame = EncodeFrame(lop);
    if (frame.empty()) return UnitLink::kBadAcknowledgement;
    m_line->DiscardInput();
    m_parser.Reset();
    if (!m_line->Write(frame, kWriteMs)) return UnitLink::kTimedOut;
    if (m_pTrace) {
        // The connect frame carries the password: from its first byte on, nothing is shown.
        const bool secret = frame.size() > 2 && frame[1] == LP::kOpConnect;
        m_pTrace->Sent(frame, 2, secret ? frame.size() - 2 : 0);
    }
    m_nTimeoutMs = timeoutMs;
    std::copy(frame.begin(), frame.end(), m_request.begin());
    m_nRequest = frame.size();
    m_deadline = DeadlineClock::now() + std::chrono::milliseconds(timeoutMs);
    m_bAwaiting = true;
    return UnitLink::kOk;
}

uint32_t LinkSession::FetchReply(std::span<const uint8_t>& reply) {
    reply = {};
    if (!m_bAwaiting || !m_line) return UnitLink::kBadAcknowledgement;
    m_bAwaiting = false;
    bool got = false;
    const auto take = [&](std::span<const uint8_t> frame) {
        if (got) return;
        got = true;
        if (m_pTrace) m_pTrace->Received(frame);
        m_reply.fill(0);
        const bool echoAck = frame.size() == 3 && frame[1] == LP::kOpEchoAck &&
                             frame[2] == m_request[m_nRequest - 1];
        // The short acknowledgement stands for a reply equal to the request.
        if (echoAck)
            std::copy_n(m_request.begin(), m_nRequest - 1, m_reply.begin());
        else
            std::copy(frame.begin(), frame.end(), m_reply.begin());
    };
    const size_t discardedBefore = m_parser.Discarded();
    std::array<uint8_t, 512> buffer;
    // The reply is due by the wall clock, whatever the line sends meanwhile.
    // At the deadline the line is looked at once more without waiting: a reply
    // that arrived while the window was busy (between sending and fetching, or
    // in the wait hook) is still taken, and a line that never stops sending
    // cannot hold the wait open.
    while (!got) {
        const int left = MsLeft(m_deadline);
        // With part of a frame in hand, a quiet line means noise stands in front of it.
        int slice = m_parser.Kept() > 0 ? std::min(left, LP::kHostQuietMs) : left;
        if (m_waitHook && m_parser.Kept() == 0) slice = std::min(slice, kWaitSliceMs);
        size_t count = 0;
        const LinkIo io = m_line->Read(buffer, count, slice);
        if (io == LinkIo::Lost) return UnitLink::kTimedOut;
        if (io == LinkIo::Timeout) {
            if (m_parser.Kept() > 0) m_parser.Resync(take);
        } else {
            m_parser.Feed({buffer.data(), count}, take);
        }
        if (left == 0) {
            if (!got) m_parser.Resync(take);
            break;
        }
        if (!got && m_waitHook) m_waitHook();
    }
    if (!got) {
        const bool noise = m_parser.Discarded() != discardedBefore || m_parser.Kept() > 0;
        if (m_pTrace) {
            if (noise) m_pTrace->Note("bytes that make no frame");
            m_pTrace->TimedOut(m_nTimeoutMs);
        }
        return noise ? UnitLink::kBadAcknowledgement : UnitLink::kTimedOut;
    }
    const uint32_t checked = CheckReply();
    if (checked == UnitLink::kOk)
        reply = std::span<const uint8_t>(m_reply.data(), size_t{m_reply[0]} + 1);
    return checked;
}

uint32_t LinkSession::CheckReply() const {
    const uint8_t opcode = m_request[1];
    if (m_reply[1] != opcode) return UnitLink::kBadAcknowledgement;
    if (CarriesAddress(opcode)) {
        // The operations judge a short reply themselves; what is there must match.
        for (size_t i = 2; i < 4 && i <= m_reply[0]; ++i) {
            if (m_reply[i] != m_request[i]) return UnitLink::kBadAcknowledgement;
        }
    }
    // The program takes 32 cells from every block read without looking at its length.
    if (opcode == Lop::kReadBlock && m_reply[0] < LP::kReadBlockReplyBody)
        return UnitLink::kBadAcknowledgement;
    return UnitLink::kOk;
}

uint32_t LinkSession::Exchange(std::span<const uint8_t> lop, int timeoutMs,
                               std::span<const uint8_t>& reply) {
    const uint32_t sent = Send(lop, timeoutMs);
    if (sent != UnitLink::kOk) return sent;
    return FetchReply(reply);
}
