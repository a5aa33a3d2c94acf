#include <gtest/gtest.h>

#include <QSerialPortInfo>
#include <set>
#include <string>
#include <vector>

#include "unit/ConnectionAddress.h"
#include "unit/link/EnumSerialPorts.h"
#include "unit/link/ModemDial.h"

namespace {

using Kind = ConnectionAddress::Kind;

// What the connection dialog writes from its fields, and that it reads back the same.
TEST(ConnectionAddress, WritesTheTextOfAnEntry) {
    struct Case {
        ConnectionAddress where;
        const char* text;
    };
    const Case cases[] = {
        {{Kind::Serial, "/dev/pts/7", 9600, "", 0, ""}, "serial:/dev/pts/7:9600"},
        {{Kind::Tcp, "", 0, "10.0.0.5", 4001, ""}, "tcp:10.0.0.5:4001"},
        {{Kind::Tcp, "", 0, "fe80::1", 23, ""}, "tcp:[fe80::1]:23"},
        {{Kind::Rfc2217, "", 19200, "ds.site", 2001, ""}, "rfc2217:ds.site:2001:19200"},
        {{Kind::Rfc2217, "", 9600, "fe80::1", 2001, ""}, "rfc2217:[fe80::1]:2001:9600"},
        {{Kind::Modem, "ttyS0", 19200, "", 0, "9,5551234"}, "modem:ttyS0:19200:9,5551234"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatConnectionAddress(c.where), c.text);
        const auto back = ParseConnectionAddress(c.text);
        ASSERT_TRUE(back) << c.text;
        EXPECT_EQ(back->m_strDevice, c.where.m_strDevice);
        EXPECT_EQ(back->m_strHost, c.where.m_strHost);
        EXPECT_EQ(back->m_strNumber, c.where.m_strNumber);
        EXPECT_EQ(back->m_nPort, c.where.m_nPort);
        EXPECT_EQ(back->m_nBaud, c.where.m_nBaud);
    }
}

TEST(ConnectionAddress, ReadsEveryFormOfAnAddressBookEntry) {
    struct Case {
        const char* text;
        Kind kind;
        const char* device;
        int baud;
        const char* host;
        int port;
        const char* number;
    };
    const Case cases[] = {
        {"serial:ttyUSB0", Kind::Serial, "ttyUSB0", 9600, "", 0, ""},
        {"serial:/dev/ttyS1:115200", Kind::Serial, "/dev/ttyS1", 115200, "", 0, ""},
        {"tcp:10.0.0.5:4001", Kind::Tcp, "", 0, "10.0.0.5", 4001, ""},
        {"tcp:switcher.site.example:23", Kind::Tcp, "", 0, "switcher.site.example", 23, ""},
        {"tcp:[::1]:4001", Kind::Tcp, "", 0, "::1", 4001, ""},
        {"rfc2217:10.0.0.5:2001", Kind::Rfc2217, "", 9600, "10.0.0.5", 2001, ""},
        {"rfc2217:10.0.0.5:2001:115200", Kind::Rfc2217, "", 115200, "10.0.0.5", 2001, ""},
        {"rfc2217:[::1]:2001:19200", Kind::Rfc2217, "", 19200, "::1", 2001, ""},
        {"modem:ttyS0:5551234", Kind::Modem, "ttyS0", 9600, "", 0, "5551234"},
        {"modem:ttyS0:19200:9,5551234", Kind::Modem, "ttyS0", 19200, "", 0, "9,5551234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto where = ParseConnectionAddress(c.text);
        ASSERT_TRUE(where);
        EXPECT_EQ(where->m_kind, c.kind);
        EXPECT_EQ(where->m_strDevice, c.device);
        EXPECT_EQ(where->m_nBaud, c.baud);
        EXPECT_EQ(where->m_strHost, c.host);
        EXPECT_EQ(where->m_nPort, c.port);
        EXPECT_EQ(where->m_strNumber, c.number);
    }
}

TEST(ConnectionAddress, RefusesWhatCannotBeDialledOrOpened) {
    const char* bad[] = {
        "",
        "ttyS0",
        "serial:",
        "serial:ttyS0:fast",
        "serial:ttyS0:9600:extra",
        "serial:ttyS0:0",
        "tcp:host",
        "tcp::4001",
        "tcp:host:0",
        "tcp:host:65536",
        "tcp:host:40x1",
        "modem:ttyS0",
        "modem::5551234",
        "modem:ttyS0:5551234\r\nATZ",
        "modem:ttyS0:555;1234",
        "modem:ttyS0:9600:",
        "telnet:host:23",
        "rfc2217:host",
        "rfc2217::2001",
        "rfc2217:host:0",
        "rfc2217:host:2001:fast",
        "rfc2217:host:2001:9600:x",
        "rfc2217:[::1:2001",
        "rfc2217:::1:2001",
    };
    for (const char* text : bad) EXPECT_FALSE(ParseConnectionAddress(text)) << text;
}

TEST(ModemDial, TellsResultCodesFromEchoAndText) {
    const std::pair<const char*, ModemReply> cases[] = {
        {"OK", ModemReply::Ok},
        {"CONNECT", ModemReply::Connect},
        {"CONNECT 9600/ARQ", ModemReply::Connect},
        {"NO DIALTONE", ModemReply::NoDialtone},
        {"NO DIAL TONE", ModemReply::NoDialtone},
        {"BUSY", ModemReply::Busy},
        {"NO CARRIER", ModemReply::NoCarrier},
        {"NO ANSWER", ModemReply::NoAnswer},
        {"ERROR", ModemReply::Error},
        {"OK  ", ModemReply::Ok},
        {"ATDT5551234", ModemReply::None},
        {"AT", ModemReply::None},
        {"", ModemReply::None},
        {"RING", ModemReply::None},
    };
    for (const auto& [line, reply] : cases) EXPECT_EQ(ClassifyModemLine(line), reply) << line;
}

std::vector<std::string> Names(const std::vector<char>& buffer, size_t& end) {
    std::vector<std::string> names;
    size_t at = 0;
    while (buffer.at(at) != '\0') {
        const std::string name(&buffer[at]);
        names.push_back(name);
        at += name.size() + 1;
    }
    end = at;
    return names;
}

TEST(EnumSerialPorts, ListsTheSystemsPortsEndedByTwoNuls) {
    std::vector<char> buffer(1024, 'x');
    ASSERT_EQ(EnumSerialPorts(buffer.data(), 1024), 0u);
    size_t end = 0;
    const std::vector<std::string> names = Names(buffer, end);
    EXPECT_EQ(buffer.at(end), '\0');
    std::set<std::string> expected;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        expected.insert(port.portName().toStdString());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
}

TEST(EnumSerialPorts, PutsInOnlyNamesThatFitAndNeverWritesPastTheBuffer) {
    for (unsigned long size : {2UL, 3UL, 8UL, 12UL}) {
        SCOPED_TRACE(size);
        std::vector<char> buffer(size + 8, 'x');
        ASSERT_EQ(EnumSerialPorts(buffer.data(), size), 0u);
        EXPECT_EQ(std::string(buffer.begin() + static_cast<long>(size), buffer.end()),
                  std::string(8, 'x'));
        size_t end = 0;
        Names(buffer, end);
        EXPECT_LT(end, size);
    }
}

TEST(EnumSerialPorts, RefusesABufferTooSmallForTheEmptyList) {
    char buffer[1] = {'x'};
    EXPECT_NE(EnumSerialPorts(buffer, 1), 0u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_NE(EnumSerialPorts(nullptr, 1024), 0u);
}

}  // namespace
