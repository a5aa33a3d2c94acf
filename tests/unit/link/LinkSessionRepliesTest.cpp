#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

#include "unit/UnitLink.h"
#include "unit/link/LinkFrame.h"
#include "unit/link/LinkSession.h"

namespace {

using ByteVec = std::vector<uint8_t>;

// A line whose far end is a script: bytes already waiting before a request,
// and what arrives after each request is written.
class ScriptedLine : public LinkTransport {
public:
    bool Write(std::span<const uint8_t> bytes, int) override {
        m_written.emplace_back(bytes.begin(), bytes.end());
        // The far end always says goodbye.
        const ByteVec bye = {0x01, 0x42, 0xDC};
        if (m_written.back() == bye) {
            m_incoming.insert(m_incoming.end(), bye.begin(), bye.end());
            return true;
        }
        if (!m_answers.empty()) {
            m_incoming.insert(m_incoming.end(), m_answers.front().begin(), m_answers.front().end());
            m_answers.pop_front();
        }
        return true;
    }
    LinkIo Read(std::span<uint8_t> buffer, size_t& got, int ms) override {
        got = 0;
        if (m_incoming.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 5)));
            return LinkIo::Timeout;
        }
        while (got < buffer.size() && !m_incoming.empty()) {
            buffer[got++] = m_incoming.front();
            m_incoming.pop_front();
        }
        return LinkIo::Ok;
    }
    void DiscardInput() override { m_incoming.clear(); }
    void Close() override {}

    std::deque<uint8_t> m_incoming;
    std::deque<ByteVec> m_answers;
    std::vector<ByteVec> m_written;
};

ByteVec Framed(const ByteVec& lop) { return EncodeFrame(lop); }

ByteVec Cat(ByteVec a, const ByteVec& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct ReplyCase {
    const char* what;
    ByteVec request;
    ByteVec lineAnswer;  // bytes on the line after the request
    uint32_t result;
    ByteVec reply;  // what the program is given on success
};

TEST(LinkSessionReplies, ChecksEachReplyAgainstItsRequest) {
    const ByteVec write = {0x04, 0x04, 0x34, 0x12, 0x5A};
    const ByteVec readBlock = {0x03, 0x05, 0x20, 0x00};
    ByteVec blockReply = {0x23, 0x05, 0x20, 0x00};
    blockReply.resize(36, 0xAB);
    const ReplyCase cases[] = {
        {"full echo", write, Framed(write), UnitLink::kOk, write},
        {"short acknowledgement", write, {0x02, 0x06, 0x61, 0x88}, UnitLink::kOk, write},
        {"short acknowledgement of another request",
         write,
         Framed({0x02, 0x06, 0x60}),
         UnitLink::kBadAcknowledgement,
         {}},
        {"refusal", write, Framed({0x02, 0x7F, 0x02}), UnitLink::kBadAcknowledgement, {}},
        {"reply to another address",
         write,
         Framed({0x04, 0x04, 0x35, 0x12, 0x5A}),
         UnitLink::kBadAcknowledgement,
         {}},
        {"short reply left to the program",
         write,
         Framed({0x03, 0x04, 0x34, 0x12}),
         UnitLink::kOk,
         {0x03, 0x04, 0x34, 0x12}},
        {"whole block", readBlock, Framed(blockReply), UnitLink::kOk, blockReply},
        {"block without its last cell",
         readBlock,
         Framed(Cat({0x22, 0x05, 0x20, 0x00}, ByteVec(31, 0xAB))),
         UnitLink::kBadAcknowledgement,
         {}},
        {"noise before the reply", write, Cat({0x00, 0xFF, 0x01, 0x00}, Framed(write)),
         UnitLink::kOk, write},
        {"noise that looks like a long frame", write, Cat({0x30, 0x11}, Framed(write)),
         UnitLink::kOk, write},
        {"broken reply only",
         write,
         {0x04, 0x04, 0x34, 0x12, 0x5A, 0x62},
         UnitLink::kBadAcknowledgement,
         {}},
        {"silence", write, {}, UnitLink::kTimedOut, {}},
    };
    for (const ReplyCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto line = std::make_unique<ScriptedLine>();
        ScriptedLine& script = *line;
        script.m_answers.push_back(c.lineAnswer);
        LinkSession session(std::move(line));
        ASSERT_EQ(session.Send(c.request, 100), UnitLink::kOk);
        EXPECT_EQ(script.m_written.back(), Framed(c.request));
        std::span<const uint8_t> reply;
        EXPECT_EQ(session.FetchReply(reply), c.result);
        EXPECT_EQ(ByteVec(reply.begin(), reply.end()), c.reply);
    }
}

TEST(LinkSessionReplies, DiscardsWhatWaitedBeforeTheRequest) {
    auto line = std::make_unique<ScriptedLine>();
    ScriptedLine& script = *line;
    const ByteVec write = {0x04, 0x04, 0x00, 0x00, 0x01};
    // A late reply to an earlier request is on the line before this one goes out.
    const ByteVec stale = Framed({0x04, 0x04, 0x00, 0x00, 0x01});
    script.m_incoming.assign(stale.begin(), stale.end());
    LinkSession session(std::move(line));
    ASSERT_EQ(session.Send(write, 50), UnitLink::kOk);
    std::span<const uint8_t> reply;
    EXPECT_EQ(session.FetchReply(reply), UnitLink::kTimedOut);
}

TEST(LinkSessionReplies, FetchWithoutARequestIsBadAcknowledgement) {
    LinkSession session(std::make_unique<ScriptedLine>());
    std::span<const uint8_t> reply;
    EXPECT_EQ(session.FetchReply(reply), UnitLink::kBadAcknowledgement);
    EXPECT_EQ(session.Send(ByteVec{0x00}, 50), UnitLink::kBadAcknowledgement);
    EXPECT_EQ(session.Send(ByteVec{0x05, 0x04, 0x00}, 50), UnitLink::kBadAcknowledgement);
}

TEST(LinkSessionReplies, ConnectSendsThePasswordAndReadsTheVerdict) {
    struct Case {
        const char* password;
        ByteVec answer;
        uint32_t result;
    };
    const Case cases[] = {
        {"abc", {0x02, 0x40, 0x00, 0x8D}, UnitLink::kOk},
        {"abc", {0x02, 0x40, 0x01, 0x8A}, UnitLink::kPasswordRejected},
        {"abc", Framed({0x02, 0x7F, 0x01}), UnitLink::kNoUnitFound},
        {"0123456789", {0x02, 0x40, 0x00, 0x8D}, UnitLink::kPasswordRejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password);
        auto line = std::make_unique<ScriptedLine>();
        ScriptedLine& script = *line;
        script.m_answers.push_back(c.answer);
        LinkSession session(std::move(line));
        EXPECT_EQ(session.Connect(c.password), c.result);
        if (std::string(c.password) == "abc")
            EXPECT_EQ(script.m_written.front(), (ByteVec{0x04, 0x40, 0x61, 0x62, 0x63, 0x4B}));
        else
            EXPECT_TRUE(script.m_written.empty()) << "a password too long is never sent";
    }
}

}  // namespace

// The window may be busy in the wait hook past the time-out; a reply that
// arrived meanwhile is taken at the deadline, not timed out.
TEST(LinkSessionReplies, AReplyThatArrivedWhileTheHookRanIsTakenAtTheDeadline) {
    auto line = std::make_unique<ScriptedLine>();
    ScriptedLine& script = *line;
    const ByteVec write = {0x04, 0x04, 0x34, 0x12, 0x5A};
    LinkSession session(std::move(line));
    int hookCalls = 0;
    session.SetWaitHook([&] {
        if (++hookCalls != 1) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        const ByteVec echo = Framed(write);
        script.m_incoming.insert(script.m_incoming.end(), echo.begin(), echo.end());
    });
    ASSERT_EQ(session.Send(write, 100), UnitLink::kOk);
    std::span<const uint8_t> reply;
    EXPECT_EQ(session.FetchReply(reply), UnitLink::kOk);
    EXPECT_EQ(ByteVec(reply.begin(), reply.end()), write);

    // Silence still times out.
    ASSERT_EQ(session.Send(write, 60), UnitLink::kOk);
    EXPECT_EQ(session.FetchReply(reply), UnitLink::kTimedOut);
}
