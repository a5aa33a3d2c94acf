#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "unit/link/Deadline.h"
#include "unit/link/FrameParser.h"
#include "unit/link/LinkTrace.h"
#include "unit/link/LinkTransport.h"

// One conversation with a unit over an open line: requests out as frames, one
// reply frame back for each, checked against its request. Results are the
// link's result bits.
class LinkSession {
public:
    explicit LinkSession(std::unique_ptr<LinkTransport> line);
    ~LinkSession();

    // Opens the session with the unit's password.
    uint32_t Connect(const std::string& password);
    uint32_t SetProgrammingMode(bool enter);
    // Ends the session politely and closes the line; harmless when already closed.
    void Close();

    // Sends a LOP message; FetchReply awaits its reply until `timeoutMs` from
    // now by the wall clock, whatever the line sends meanwhile.
    uint32_t Send(std::span<const uint8_t> lop, int timeoutMs);
    // The reply to the last message sent: byte 0 its length count. The bytes
    // stay the session's until the next message.
    uint32_t FetchReply(std::span<const uint8_t>& reply);

    // Records every frame and time-out from now on; null stops recording.
    void SetTrace(LinkTrace* trace) { m_pTrace = trace; }
    // Called at least every kWaitSliceMs while a reply is awaited and the line
    // is quiet, and after each piece of a reply: the window turns its event
    // loop there. The reply's bytes are not handed out yet when it runs.
    void SetWaitHook(std::function<void()> hook) { m_waitHook = std::move(hook); }
    static constexpr int kWaitSliceMs = 20;

private:
    uint32_t Exchange(std::span<const uint8_t> lop, int timeoutMs, std::span<const uint8_t>& reply);
    uint32_t CheckReply() const;

    std::unique_ptr<LinkTransport> m_line;
    FrameParser m_parser;
    std::array<uint8_t, LinkProtocol::kMaxFrame> m_reply{};
    std::array<uint8_t, LinkProtocol::kMaxFrame> m_request{};  // the frame last sent
    size_t m_nRequest = 0;
    bool m_bAwaiting = false;
    int m_nTimeoutMs = 0;
    LinkTrace* m_pTrace = nullptr;
    std::function<void()> m_waitHook;
    DeadlineClock::time_point m_deadline;  // when the awaited reply is due
};
