#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "unit/link/FrameParser.h"
#include "unit/link/LinkFrame.h"

namespace {

using ByteVec = std::vector<uint8_t>;

ByteVec Text(const std::string& s) { return ByteVec(s.begin(), s.end()); }

ByteVec Cat(std::initializer_list<ByteVec> parts) {
    ByteVec all;
    for (const ByteVec& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Every frame the parser passes on, fed `chunk` bytes at a time.
std::vector<ByteVec> ParseAll(const ByteVec& stream, size_t chunk, bool quietAtEnd) {
    FrameParser parser;
    std::vector<ByteVec> frames;
    const auto take = [&](std::span<const uint8_t> f) { frames.emplace_back(f.begin(), f.end()); };
    for (size_t i = 0; i < stream.size(); i += chunk) {
        const size_t n = std::min(chunk, stream.size() - i);
        parser.Feed({stream.data() + i, n}, take);
    }
    if (quietAtEnd) parser.Resync(take);
    return frames;
}

TEST(LinkCrc, PublishedCheckValue) {
    // CRC-8 with polynomial 07, initial 00, unreflected: the catalogue check value.
    EXPECT_EQ(LinkCrc8(Text("123456789")), 0xF4);
    EXPECT_EQ(LinkCrc8({}), 0x00);
}

// The worked examples of docs/link-protocol.md; check bytes worked out bit by bit
// with the polynomial x^8 + x^2 + x + 1.
struct FrameCase {
    const char* what;
    ByteVec lop;
    uint8_t check;
};

const std::vector<FrameCase> kFrames = {
    {"connect abc", {0x04, 0x40, 'a', 'b', 'c'}, 0x4B},
    {"connect no password", {0x01, 0x40}, 0xD2},
    {"connect accepted", {0x02, 0x40, 0x00}, 0x8D},
    {"connect rejected", {0x02, 0x40, 0x01}, 0x8A},
    {"enter programming", {0x02, 0x41, 0x01}, 0x9F},
    {"leave programming", {0x02, 0x41, 0x00}, 0x98},
    {"bye", {0x01, 0x42}, 0xDC},
    {"read switches", {0x03, 0x03, 0xFD, 0xFF}, 0x89},
    {"switches reply", {0x04, 0x03, 0xFD, 0xFF, 0x0F}, 0xB2},
    {"erase block 0", {0x02, 0x2C, 0x00}, 0x84},
    {"erase block 1", {0x02, 0x2C, 0x01}, 0x83},
    {"write 5A at 1234", {0x04, 0x04, 0x34, 0x12, 0x5A}, 0x61},
    {"its short acknowledgement", {0x02, 0x06, 0x61}, 0x88},
    {"read 32 at 0020", {0x03, 0x05, 0x20, 0x00}, 0x54},
    {"set clock", Cat({{0x13, 0x2F}, Text("03/09/04 08:05:07"), {0x00}}), 0x55},
    {"refused not programming", {0x02, 0x7F, 0x02}, 0xB9},
};

TEST(LinkFrame, EncodesTheWorkedExamples) {
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EncodeFrame(c.lop), Cat({c.lop, {c.check}}));
    }
}

TEST(LinkFrame, TakesOnlyTheBytesTheCountAnnounces) {
    EXPECT_EQ(EncodeFrame(ByteVec{0x01, 0x42, 0x99, 0x98}), (ByteVec{0x01, 0x42, 0xDC}));
}

TEST(LinkFrame, RefusesMalformedMessages) {
    const std::vector<ByteVec> bad = {
        {}, {0x00}, {0x00, 0x42}, {0x03, 0x05, 0x20}, ByteVec(70, 0x41),
    };
    for (const ByteVec& lop : bad) EXPECT_TRUE(EncodeFrame(lop).empty()) << lop.size();
}

TEST(FrameParser, FindsEveryFrameOfACleanStreamInAnyChunking) {
    ByteVec stream;
    std::vector<ByteVec> expected;
    for (const FrameCase& c : kFrames) {
        stream.insert(stream.end(), c.lop.begin(), c.lop.end());
        stream.push_back(c.check);
        expected.push_back(c.lop);
    }
    for (size_t chunk : {size_t{1}, size_t{3}, size_t{7}, stream.size()}) {
        SCOPED_TRACE(chunk);
        EXPECT_EQ(ParseAll(stream, chunk, false), expected);
    }
}

struct NoiseCase {
    const char* what;
    ByteVec before;
    bool needsQuiet;  // found only once the line goes quiet
};

TEST(FrameParser, FallsBackIntoStepAfterNoise) {
    const ByteVec frame = {0x04, 0x04, 0x34, 0x12, 0x5A, 0x61};
    const std::vector<NoiseCase> cases = {
        {"bytes that cannot start a frame", {0x00, 0x41, 0xFF, 0x80}, false},
        {"a short false start", {0x01, 0x00}, false},
        {"a false start longer than what follows", {0x3F, 0x10}, true},
        {"a broken copy of the frame", {0x04, 0x04, 0x34, 0x12, 0x5B, 0x61}, true},
    };
    for (const NoiseCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ByteVec stream = Cat({c.before, frame});
        const std::vector<ByteVec> loud = ParseAll(stream, 1, false);
        const std::vector<ByteVec> quiet = ParseAll(stream, 1, true);
        const std::vector<ByteVec> found = {ByteVec(frame.begin(), frame.end() - 1)};
        EXPECT_EQ(quiet, found);
        EXPECT_EQ(loud.empty(), c.needsQuiet);
        if (!c.needsQuiet) {
            EXPECT_EQ(loud, found);
        }
    }
}

TEST(FrameParser, NeverPassesOnAFrameWithAWrongCheckByte) {
    for (int bit = 0; bit < 6 * 8; ++bit) {
        ByteVec frame = {0x04, 0x04, 0x34, 0x12, 0x5A, 0x61};
        frame[static_cast<size_t>(bit / 8)] ^= static_cast<uint8_t>(1 << (bit % 8));
        EXPECT_TRUE(ParseAll(frame, 1, true).empty()) << "bit " << bit;
    }
}

TEST(FrameParser, StaysBoundedAndSoundOnRandomInput) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> byte(0, 255);
    FrameParser parser;
    size_t frames = 0;
    const auto check = [&](std::span<const uint8_t> f) {
        ++frames;
        ASSERT_GE(f.size(), 2u);
        ASSERT_EQ(f.size(), size_t{f[0]} + 1);
    };
    for (int round = 0; round < 2000; ++round) {
        ByteVec chunk(static_cast<size_t>(byte(random) % 40));
        for (uint8_t& b : chunk) b = static_cast<uint8_t>(byte(random));
        parser.Feed(chunk, check);
        ASSERT_LE(parser.Kept(), LinkProtocol::kMaxFrame);
        if (round % 17 == 0) parser.Resync(check);
    }
    // Random bytes pass the length test and then the check byte about 1 time in 256.
    EXPECT_LT(frames, 200u);
}

}  // namespace
