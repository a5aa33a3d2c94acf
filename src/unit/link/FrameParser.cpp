#include "unit/link/FrameParser.h"

#include <algorithm>

#include "unit/link/LinkFrame.h"

void FrameParser::Feed(std::span<const uint8_t> bytes, const FrameHandler& onFrame) {
    for (uint8_t b : bytes) {
        // The front candidate is settled after every byte, so there is always room.
        m_kept[m_nKept++] = b;
        while (TakeFrame(onFrame)) {
        }
    }
}

void FrameParser::Resync(const FrameHandler& onFrame) {
    while (m_nKept > 0) {
        DropFront(1);
        ++m_nDiscarded;
        if (TakeFrame(onFrame)) {
            while (TakeFrame(onFrame)) {
            }
            return;
        }
    }
}

bool FrameParser::TakeFrame(const FrameHandler& onFrame) {
    while (m_nKept > 0) {
        const size_t body = m_kept[0];
        if (body < 1 || body > LinkProtocol::kMaxBody) {
            DropFront(1);
            ++m_nDiscarded;
            continue;
        }
        const size_t frameSize = body + 2;
        if (m_nKept < frameSize) return false;
        const std::span<const uint8_t> message(m_kept.data(), body + 1);
        if (LinkCrc8(message) == m_kept[body + 1]) {
            std::array<uint8_t, LinkProtocol::kMaxFrame> frame;
            std::copy(message.begin(), message.end(), frame.begin());
            DropFront(frameSize);
            onFrame(std::span<const uint8_t>(frame.data(), body + 1));
            return true;
        }
        DropFront(1);
        ++m_nDiscarded;
    }
    return false;
}

void FrameParser::DropFront(size_t count) {
    count = std::min(count, m_nKept);
    std::copy(m_kept.begin() + static_cast<std::ptrdiff_t>(count),
              m_kept.begin() + static_cast<std::ptrdiff_t>(m_nKept), m_kept.begin());
    m_nKept -= count;
}
