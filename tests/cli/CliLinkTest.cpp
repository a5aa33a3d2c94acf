#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

#include "cli/CliFixture.h"
#include "support/LineFloodServer.h"
#include "support/RunProgram.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace {

using CliLinkTest = CliFixture;

}  // namespace

TEST_F(CliLinkTest, WriteAndReadThroughTheEmulatorOnAPseudoTerminal) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", m_dir.PathOf("unit.bin"), "--password", "pw"}));
    ASSERT_EQ(sim.Connection().rfind("serial:/dev/", 0), 0u) << sim.Connection();
    const std::string site = m_dir.PathOf("site.zrt");
    ASSERT_EQ(
        Cli("new --system m7700 --digits 2 --expansion 1 --ports 8 --ciu 1 -o " + site).m_nStatus,
        0);

    ProgramRun run =
        Cli("write " + site + " --connect " + sim.Connection() + " --password pw --verify");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    run = Cli("read --connect " + sim.Connection() + " --password pw --ports 8 -o " +
              m_dir.PathOf("back.zrt"));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(Inputs(m_dir.PathOf("back.zrt")), Inputs(site));

    run = Cli("set-time --connect " + sim.Connection() + " --password wrong");
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strErr, "Error - Failed to connect to unit\n\nPassword rejected by unit\n");
}

TEST_F(CliLinkTest, ModemSetupAgainstTheEmulatorsModem) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", m_dir.PathOf("unit.bin"), "--modem"}));
    const std::string port = sim.Connection().substr(std::string("serial:").size());
    ProgramRun run = Cli("modem-setup --port " + port + " --init ATS0=2");
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    for (const char* line : {"\r\n1. Set to factory (generic) defaults:\r\nAT&F0",
                             "\r\n4. Send brand-specific initialization string:\r\nATS0=2",
                             "\r\n5. Save completed configuration to NVRAM profile 0:\r\nAT&W0"})
        EXPECT_NE(run.m_strOut.find(line), std::string::npos) << run.m_strOut;

    run = Cli("modem-setup --port " + m_dir.PathOf("no-such-port"));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strOut.rfind("Unable to acquire " + m_dir.PathOf("no-such-port") +
                                     ".  Please correct the problem and go to the previous step.",
                                 0),
              0u)
        << run.m_strOut;
}

TEST_F(CliLinkTest, TraceRecordsFramesWithoutThePassword) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", m_dir.PathOf("unit.bin"), "--password", "pw"}));
    const std::string trace = m_dir.PathOf("link.trace");
    const ProgramRun run =
        Cli("set-time --connect " + sim.Connection() + " --password pw --trace " + trace);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    std::ifstream in(trace);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_NE(lines[0].find("# connected to serial:"), std::string::npos) << lines[0];
    // The connect frames: count and opcode, then the password and check byte masked.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("> 03 ") != std::string::npos && l.size() > 8 &&
               l.substr(l.size() - 8) == "** ** **";
    }));
    // Somewhere a 20-byte set-time frame: count 0x13, opcode 0x2F.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("> 13 2F ") != std::string::npos;
    }));
    for (const auto& l : lines) EXPECT_EQ(l.find("70 77"), std::string::npos) << l;
}

// Esc typed at the terminal stops a write as Ctrl+C does, and the terminal
// gets its line editing and echo back.
TEST_F(CliLinkTest, EscAtTheTerminalCancelsAWrite) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", m_dir.PathOf("unit.bin"), "--baud", "19200"}));
    const std::string site = m_dir.PathOf("site.zrt");
    ASSERT_EQ(
        Cli("new --system m7700 --digits 2 --expansion 1 --ports 8 --ciu 1 -o " + site).m_nStatus,
        0);

    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string connect = sim.Connection();
        ::execl(ZRTPRO_CLI, ZRTPRO_CLI, "write", site.c_str(), "--connect", connect.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::string screen;
    bool sent = false;
    for (;;) {
        pollfd pfd{terminal, POLLIN, 0};
        if (::poll(&pfd, 1, 20000) <= 0) break;
        char buffer[512];
        const ssize_t n = ::read(terminal, buffer, sizeof buffer);
        if (n <= 0) break;
        screen.append(buffer, static_cast<size_t>(n));
        if (!sent && screen.find("Writing") != std::string::npos) {
            // Arrow keys start with Esc too, and do not stop it.
            ASSERT_EQ(::write(terminal, "\x1b[A", 3), 3);
            ::usleep(200000);
            ASSERT_EQ(::write(terminal, "\x1b", 1), 1);
            sent = true;
        }
    }
    termios after{};
    const bool stillOpen = ::tcgetattr(terminal, &after) == 0;
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    ASSERT_TRUE(sent) << screen;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << screen;
    EXPECT_NE(screen.find("Write stopped at "), std::string::npos) << screen;
    EXPECT_NE(screen.find("The unit is partly written and will not work until a whole "
                          "configuration is written to it."),
              std::string::npos)
        << screen;
    EXPECT_EQ(screen.find("User Cancelled"), std::string::npos);
    if (stillOpen) {
        EXPECT_EQ(after.c_lflag & (ICANON | ECHO), tcflag_t(ICANON | ECHO));
    }
}

// A device server port that streams zeros (another device on the line, a wrong
// speed): the read says "No unit found" once the 3 s connect time-out has passed.
TEST_F(CliLinkTest, ReadFromAPortThatNeverStopsSendingEndsAsNoUnitFound) {
    LineFloodServer server({}, {0});
    ASSERT_NE(server.Port(), 0);
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run =
        Cli("read --connect tcp:" + server.Address() + " --ports 4 -o " + m_dir.PathOf("x.zrt"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_NE(run.m_strErr.find("No unit found"), std::string::npos) << run.m_strErr;
}
