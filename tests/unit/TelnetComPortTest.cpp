#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/DeviceServerProblem.h"
#include "unit/TelnetComPort.h"

namespace {

using Bytes = std::vector<uint8_t>;
using State = TelnetComPort::State;

struct Received {
    Bytes m_data;
    Bytes m_answer;
};

Received Feed(TelnetComPort& telnet, const std::vector<Bytes>& reads) {
    Received got;
    for (const Bytes& read : reads) telnet.Receive(read, got.m_data, got.m_answer);
    return got;
}

// The request of RFC 854/856/858/2217 that opens the session: WILL BINARY, DO
// BINARY, WILL SUPPRESS-GO-AHEAD, DO SUPPRESS-GO-AHEAD, WILL COM-PORT-OPTION (44).
const Bytes kOpening = {0xFF, 0xFB, 0x00, 0xFF, 0xFD, 0x00, 0xFF, 0xFB,
                        0x03, 0xFF, 0xFD, 0x03, 0xFF, 0xFB, 0x2C};
// A server agreeing to all of it.
const Bytes kAgreed = {0xFF, 0xFD, 0x00, 0xFF, 0xFB, 0x00, 0xFF, 0xFD,
                       0x03, 0xFF, 0xFB, 0x03, 0xFF, 0xFD, 0x2C};
// SET-BAUDRATE 9600 (0x00002580), SET-DATASIZE 8, SET-PARITY NONE (1), SET-STOPSIZE 1.
const Bytes kSettings9600 = {0xFF, 0xFA, 0x2C, 0x01, 0x00, 0x00, 0x25, 0x80, 0xFF, 0xF0, 0xFF,
                             0xFA, 0x2C, 0x02, 0x08, 0xFF, 0xF0, 0xFF, 0xFA, 0x2C, 0x03, 0x01,
                             0xFF, 0xF0, 0xFF, 0xFA, 0x2C, 0x04, 0x01, 0xFF, 0xF0};
// The server's answers, each code plus 100: 101 (0x65) to 104 (0x68).
const Bytes kBaudSet = {0xFF, 0xFA, 0x2C, 0x65, 0x00, 0x00, 0x25, 0x80, 0xFF, 0xF0};
const Bytes kFormatSet = {0xFF, 0xFA, 0x2C, 0x66, 0x08, 0xFF, 0xF0, 0xFF, 0xFA, 0x2C, 0x67,
                          0x01, 0xFF, 0xF0, 0xFF, 0xFA, 0x2C, 0x68, 0x01, 0xFF, 0xF0};

TEST(TelnetComPort, NegotiatesAndSetsTheLine) {
    TelnetComPort telnet(9600);
    EXPECT_EQ(telnet.Opening(), kOpening);
    Received got = Feed(telnet, {kAgreed});
    EXPECT_EQ(got.m_answer, kSettings9600);
    EXPECT_TRUE(got.m_data.empty());
    EXPECT_EQ(telnet.LineState(), State::Pending);
    // The baud rate's answer arrives in three pieces.
    got = Feed(telnet, {Bytes(kBaudSet.begin(), kBaudSet.begin() + 3),
                        Bytes(kBaudSet.begin() + 3, kBaudSet.begin() + 6),
                        Bytes(kBaudSet.begin() + 6, kBaudSet.end()), kFormatSet});
    EXPECT_TRUE(got.m_answer.empty());
    EXPECT_EQ(telnet.LineState(), State::Ready);
    EXPECT_EQ(DeviceServerProblem(telnet, "host:2000"), "");

    // A rate with 0xFF in it (65535 = 00 00 FF FF) is doubled inside the request too.
    TelnetComPort odd(65535);
    odd.Opening();
    got = Feed(odd, {{0xFF, 0xFD, 0x2C}});
    const Bytes baud = {0xFF, 0xFA, 0x2C, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0};
    ASSERT_GE(got.m_answer.size(), baud.size());
    EXPECT_EQ(Bytes(got.m_answer.begin(), got.m_answer.begin() + 12), baud);
    Feed(odd, {kAgreed,
               {0xFF, 0xFA, 0x2C, 0x65, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0},
               kFormatSet});
    EXPECT_EQ(odd.LineState(), State::Ready);
}

TEST(TelnetComPort, DoublesEveryFFOfTheData) {
    Bytes line = {0x01};
    TelnetComPort::Escape(Bytes{0x00, 0xFF, 0x7E, 0xFF, 0xFF}, line);
    EXPECT_EQ(line, (Bytes{0x01, 0x00, 0xFF, 0xFF, 0x7E, 0xFF, 0xFF, 0xFF, 0xFF}));
}

// Every read pattern a server may send, after the opening request.
TEST(TelnetComPort, TakesCommandsOutOfTheStreamInAnyPieces) {
    struct Case {
        const char* what;
        std::vector<Bytes> reads;
        Bytes data;
        Bytes answer;
    };
    const Case cases[] = {
        {"doubled FF is one data byte",
         {{0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0x02}},
         {0x01, 0xFF, 0xFF, 0x02},
         {}},
        {"IAC IAC across two reads", {{0x01, 0xFF}, {0xFF, 0x02}}, {0x01, 0xFF, 0x02}, {}},
        {"a command split after IAC and after the verb",
         {{0x05, 0xFF}, {0xFD}, {0x00, 0x06}},
         {0x05, 0x06},
         {}},
        {"a subnegotiation in three reads, FF doubled inside",
         {{0x10, 0xFF, 0xFA, 0x2C}, {0x6B, 0xFF}, {0xFF, 0xFF, 0xF0, 0x11}},
         {0x10, 0x11},
         {}},
        {"no-operation, go-ahead and data mark dropped",
         {{0x20, 0xFF, 0xF1, 0x21, 0xFF, 0xF9, 0xFF, 0xF2, 0x22}},
         {0x20, 0x21, 0x22},
         {}},
        {"unknown options refused once each way",
         {{0xFF, 0xFB, 0x01, 0xFF, 0xFD, 0x18}, {0xFF, 0xFB, 0x01, 0xFF, 0xFD, 0x18}},
         {},
         {0xFF, 0xFE, 0x01, 0xFF, 0xFC, 0x18}},
        {"WILL and DO for what was asked are not answered, repeated or not",
         {kAgreed, {0xFF, 0xFD, 0x00, 0xFF, 0xFB, 0x00, 0xFF, 0xFB, 0x03}},
         {},
         kSettings9600},
        {"an offer of the server's COM port side is declined once",
         {{0xFF, 0xFB, 0x2C}, {0xFF, 0xFB, 0x2C}},
         {},
         {0xFF, 0xFE, 0x2C}},
        {"a subnegotiation too long for any setting is dropped",
         {{0xFF, 0xFA, 0x2C, 0x65}, Bytes(40, 0x33), {0xFF, 0xF0, 0x44}},
         {0x44},
         {}},
        {"WONT and DONT for what is off are not answered",
         {{0xFF, 0xFC, 0x05, 0xFF, 0xFE, 0x05}},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TelnetComPort telnet(9600);
        telnet.Opening();
        const Received got = Feed(telnet, c.reads);
        EXPECT_EQ(got.m_data, c.data);
        EXPECT_EQ(got.m_answer, c.answer);
    }
}

TEST(TelnetComPort, AnOptionTurnedOffIsAcknowledgedOnce) {
    TelnetComPort telnet(9600);
    telnet.Opening();
    Feed(telnet, {kAgreed});
    // Suppress-go-ahead is on both ways; the server turns its side off, twice.
    const Received got = Feed(telnet, {{0xFF, 0xFC, 0x03}, {0xFF, 0xFC, 0x03}});
    EXPECT_EQ(got.m_answer, (Bytes{0xFF, 0xFE, 0x03}));
}

TEST(TelnetComPort, ARefusalIsToldInTheUsersWords) {
    struct Case {
        std::vector<Bytes> reads;
        const char* text;
    };
    const Case cases[] = {
        {{{0xFF, 0xFE, 0x2C}},
         "The device server at 10.0.0.5:2001 does not take serial line settings over RFC 2217 (it "
         "refused COM port control). Set its port up for RFC 2217, or connect to its raw TCP "
         "port with tcp:HOST:PORT."},
        {{{0xFF, 0xFC, 0x00}},
         "The device server at 10.0.0.5:2001 refused 8-bit binary transfer, which the unit's data "
         "needs. Set its port up for RFC 2217 or raw TCP."},
        {{kAgreed, {0xFF, 0xFA, 0x2C, 0x65, 0x00, 0x00, 0x12, 0xC0, 0xFF, 0xF0}, kFormatSet},
         "The device server at 10.0.0.5:2001 would not set its serial line to 9600 baud (it "
         "answered 4800 baud). Choose a speed its serial port supports, and check the port's "
         "settings on the device server."},
        {{kAgreed, kBaudSet, {0xFF, 0xFA, 0x2C, 0x67, 0x03, 0xFF, 0xF0}},
         "The device server at 10.0.0.5:2001 would not set its serial line to no parity (it "
         "answered even parity). Choose a speed its serial port supports, and check the port's "
         "settings on the device server."},
        {{kAgreed, kBaudSet},
         "The device server at 10.0.0.5:2001 did not answer the serial line settings. Check that "
         "its port is set up for RFC 2217 (Telnet COM port control) and not for raw TCP."},
    };
    for (const Case& c : cases) {
        TelnetComPort telnet(9600);
        telnet.Opening();
        Feed(telnet, c.reads);
        EXPECT_NE(telnet.LineState(), State::Ready);
        EXPECT_EQ(DeviceServerProblem(telnet, "10.0.0.5:2001"), c.text);
    }
}

// What ser2net sends to a second client while its port's device is still
// held: its options (WILL and DO SUPPRESS-GO-AHEAD, WILL and DONT ECHO, DO and
// WILL BINARY, DO COM-PORT-OPTION), then a line of text, then it closes.
TEST(TelnetComPort, AServerThatClosesIsQuoted) {
    TelnetComPort telnet(9600);
    telnet.Opening();
    const Bytes greeting = {0xFF, 0xFB, 0x03, 0xFF, 0xFD, 0x03, 0xFF, 0xFB, 0x01, 0xFF, 0xFE,
                            0x01, 0xFF, 0xFD, 0x00, 0xFF, 0xFB, 0x00, 0xFF, 0xFD, 0x2C};
    const std::string text = "Port's device already in use\r\n";
    const Received got = Feed(telnet, {greeting, Bytes(text.begin(), text.end())});
    Bytes answer = {0xFF, 0xFE, 0x01};
    answer.insert(answer.end(), kSettings9600.begin(), kSettings9600.end());
    EXPECT_EQ(got.m_answer, answer);
    EXPECT_EQ(DeviceServerClosed("[::1]:2001", got.m_data),
              "The device server at [::1]:2001 closed the connection, saying: Port's device "
              "already in use");
    EXPECT_EQ(DeviceServerClosed("[::1]:2001", Bytes{0x00, 0x0D, 0x0A, 0xFF}),
              "The device server at [::1]:2001 closed the connection before setting up its "
              "serial line; another client may be using the port.");
}

}  // namespace
