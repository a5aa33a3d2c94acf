#include <gtest/gtest.h>

#include <functional>

#include "UnitRig.h"
#include "unit/LopMessages.h"
#include "unit/SetUnitTime.h"
#include "unit/UnitCommands.h"

namespace {

std::tm LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

}  // namespace

TEST(SetUnitTime, SendsTheTwentyByteMessageFromTheClock) {
    const struct {
        std::tm time;
        const char* text;
    } cases[] = {
        {LocalTime(2004, 3, 9, 8, 5, 7), "03/09/04 08:05:07"},
        {LocalTime(1999, 12, 31, 23, 59, 59), "12/31/99 23:59:59"},
        {LocalTime(2030, 1, 1, 0, 0, 0), "01/01/30 00:00:00"},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        rig.m_clock.m_time = c.time;
        SetTimeCommand(rig.m_ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), Texts{});
        ASSERT_EQ(rig.m_link.m_sent.size(), 1u);
        const std::string bytes = Bytes().u8({0x13, 0x2F}).raw(c.text).u8({0x00});
        const std::vector<uint8_t> expected(bytes.begin(), bytes.end());
        EXPECT_EQ(rig.m_link.m_sent[0].m_bytes, expected);
        EXPECT_EQ(rig.m_link.m_sent[0].m_bytes.size(), 20u);
        EXPECT_EQ(rig.m_link.m_sent[0].m_nTimeout, 0u);
        EXPECT_EQ(rig.m_unit.ClockText(), c.text);
        EXPECT_EQ(rig.m_link.m_calls, (Calls{"GetUserConnection", "SetProgrammingMode(1)",
                                             "SetProgrammingMode(0)", "Disconnect"}));
        EXPECT_EQ(rig.m_prompter.m_statusTexts, (Texts{"Attempting connect to M-4400 . . .",
                                                       "Ready", "Set M-4400 time", "Ready"}));
        EXPECT_TRUE(rig.m_ui.m_events.empty());  // no progress page, no busy state
        EXPECT_FALSE(rig.m_state.m_bBusy);
    }
}

TEST(SetUnitTime, EachFaultGivesItsMessage) {
    using F = MessageFault;
    const struct {
        const char* what;
        std::function<void(UnitRig&)> arrange;
        Texts messages;
        Calls calls;
        bool programming;
        const char* lastStatus;
    } cases[] = {
        {"cancelled connection dialog",
         [](UnitRig& r) { r.m_link.m_faults.m_nConnectError = UnitLink::kUserCancelled; },
         {},
         {"GetUserConnection"},
         false,
         "Ready"},
        {"programming mode refused",
         [](UnitRig& r) { r.m_link.m_faults.m_nEnterModeError = UnitLink::kHardwareUnavailable; },
         {"Set M-4400 time failed to enter\n programming mode.  (Time NOT set)\n\nHardware "
          "Unavailable"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         false,
         "Ready"},
        {"message not sent",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::SendFails, 0x2F}};
         },
         {"Set M-4400 time failed sending\ntime SMDR.  (Time may not have been set)\n\nHardware "
          "Unavailable"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         "Set M-4400 time"},
        {"no reply",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::NoReply, 0x2F}};
         },
         {"Set M-4400 time received no/bad reply after\nsending time SMDR.  (Time may not have "
          "been set)\n"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         "Set M-4400 time"},
        {"time-out",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::TimeOut, 0x2F}};
         },
         {"Set M-4400 time received no/bad reply after\nsending time SMDR.  (Time may not have "
          "been set)\n\nCommunication timed out"},
         {"GetUserConnection", "SetProgrammingMode(1)", "Disconnect"},
         true,
         "Set M-4400 time"},
        {"reply count 18",
         [](UnitRig& r) {
             r.m_link.m_faults.m_onMessage = {{F::WrongLength, 0x2F}};
         },
         {"Set M-4400 time received a reply of incorrect\nlength after sending time "
          "SMDR.\n(Time may not have been set)\n"},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         false,
         "Ready"},
        {"programming mode not left",
         [](UnitRig& r) { r.m_link.m_faults.m_nExitModeError = UnitLink::kTimedOut; },
         {"Set M-4400 time failed to exit programming mode.\n\nCommunication timed out"},
         {"GetUserConnection", "SetProgrammingMode(1)", "SetProgrammingMode(0)", "Disconnect"},
         true,
         "Ready"},
    };
    for (const auto& c : cases) {
        UnitRig rig;
        c.arrange(rig);
        SetUnitTime(rig.m_ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), c.messages) << c.what;
        EXPECT_EQ(rig.m_link.m_calls, c.calls) << c.what;
        EXPECT_EQ(rig.m_unit.InProgrammingMode(), c.programming) << c.what;
        EXPECT_EQ(rig.m_prompter.m_statusTexts.back(), c.lastStatus) << c.what;
        EXPECT_EQ(rig.m_link.comm_GetConnectedStatus(), 0) << c.what;
    }
}

TEST(SetUnitTime, ReplyOfNineteenOrMoreIsAccepted) {
    for (int extra : {0, 1, 20}) {
        struct LongReplyLink : EmulatedLink {
            using EmulatedLink::EmulatedLink;
            uint32_t comm_GetLopData(std::span<const uint8_t>& reply) override {
                const uint32_t code = EmulatedLink::comm_GetLopData(reply);
                m_longer.assign(reply.begin(), reply.end());
                m_longer.resize(m_longer.size() + static_cast<size_t>(m_nExtra), 0x00);
                m_longer[0] = static_cast<uint8_t>(m_longer[0] + m_nExtra);
                reply = m_longer;
                return code;
            }
            int m_nExtra = 0;
            std::vector<uint8_t> m_longer;
        };
        UnitRig rig;
        LongReplyLink link(rig.m_unit);
        link.m_nExtra = extra;
        UnitContext ctx{rig.m_doc, rig.m_tree, rig.m_prompter, rig.m_state,
                        link,      rig.m_ui,   rig.m_clock};
        SetUnitTime(ctx);
        EXPECT_EQ(rig.m_prompter.Texts(), Texts{}) << extra;
    }
}

TEST(LopMessages, TimeTextAlwaysHasSeventeenCharacters) {
    EXPECT_EQ(Lop::TimeText(LocalTime(2004, 3, 9, 8, 5, 7)), "03/09/04 08:05:07");
    EXPECT_EQ(Lop::TimeText(LocalTime(2100, 10, 10, 10, 10, 10)), "10/10/00 10:10:10");
    std::tm odd{};
    odd.tm_year = 12345;
    odd.tm_mon = 11;
    odd.tm_mday = 31;
    odd.tm_hour = 123;
    odd.tm_sec = 61;
    EXPECT_EQ(Lop::TimeText(odd).size(), 17u);
}
