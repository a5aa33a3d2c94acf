#include <grp.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/ScriptedPrompter.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "tree/MemoryTree.h"
#include "unit/ConnectUnit.h"
#include "unit/UnitClock.h"
#include "unit/link/FindPortHolder.h"
#include "unit/link/PortOpenError.h"
#include "unit/link/SerialPortList.h"
#include "unit/link/SerialTransport.h"
#include "unit/link/StreamUnitLink.h"

namespace {

// A group to give the test's device file: one a user could be put in.
const group* SomeGroup() {
    for (const char* name : {"dialout", "uucp", "users", "nogroup"})
        if (const group* g = ::getgrnam(name)) return g;
    return nullptr;
}

}  // namespace

// What each failure to open a port tells the user to do.
TEST(PortProblemTest, EachKindOfFailureNamesItsFix) {
    TempDir dir;
    const std::string device = dir.PathOf("ttyUSB7");
    std::ofstream(device) << "";
    const group* owner = SomeGroup();
    ASSERT_NE(owner, nullptr);
    ASSERT_EQ(::chown(device.c_str(), static_cast<uid_t>(-1), owner->gr_gid), 0);
    const std::string name = owner->gr_name;

    EXPECT_EQ(PortOpenHint(PortOpenError::Permission, device),
              "This user may not open the serial port " + device + ". It belongs to the group \"" +
                  name +
                  "\": make the user a member of that group (for example: sudo usermod -a "
                  "-G " +
                  name + " $USER), then log out and log in again.");
    EXPECT_EQ(PortOpenHint(PortOpenError::InUse, "ttyS3"),
              "The serial port /dev/ttyS3 is in use by another program. Close that program (a "
              "terminal program, or another window of this one), then try again.");
    EXPECT_EQ(PortOpenHint(PortOpenError::NotFound, "ttyACM9"),
              "There is no serial port /dev/ttyACM9. Plug the unit's cable in, or choose another "
              "port.");
    EXPECT_EQ(PortOpenHint(PortOpenError::Other, "ttyS0"), "");
    // Qt calls a port held by another program a permission error as well.
    EXPECT_EQ(ClassifyPortOpenError(QSerialPort::PermissionError, false),
              PortOpenError::Permission);
    EXPECT_EQ(ClassifyPortOpenError(QSerialPort::PermissionError, true), PortOpenError::InUse);
    EXPECT_EQ(ClassifyPortOpenError(QSerialPort::DeviceNotFoundError, true),
              PortOpenError::NotFound);
}

// A port this user may not open (root may open anything, so the refusal comes
// through the link's seam): the connect message ends with the fix.
TEST(PortProblemTest, APermissionRefusalGivesTheHintInTheConnectMessage) {
    TempDir dir;
    const std::string device = dir.PathOf("ttyUSB0");
    std::ofstream(device) << "";
    const group* owner = SomeGroup();
    ASSERT_NE(owner, nullptr);
    ASSERT_EQ(::chown(device.c_str(), static_cast<uid_t>(-1), owner->gr_gid), 0);
    std::string asked;
    StreamUnitLink link([&] { return std::optional<std::string>("serial:" + device + ":9600"); },
                        [] { return std::optional<std::string>(); },
                        [&](const std::string& port, int, PortOpenError& error) {
                            asked = port;
                            error = PortOpenError::Permission;
                            return std::unique_ptr<LinkTransport>();
                        });
    CZRTProDoc doc;
    MemoryTree tree;
    ScriptedPrompter prompter;
    MainState state;
    LinkUiHooks ui;
    SystemClock clock;
    UnitContext c{doc, tree, prompter, state, link, ui, clock};
    ConnectUnit(c);
    EXPECT_EQ(asked, device);
    EXPECT_EQ(link.comm_GetConnectedStatus(), 0);
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(prompter.Texts()[0], "Error - Failed to connect to unit\n\nHardware Unavailable\n\n" +
                                       PortOpenHint(PortOpenError::Permission, device));
    EXPECT_NE(prompter.Texts()[0].find(std::string("group \"") + owner->gr_name + "\""),
              std::string::npos);
}

// The real port: one that is not there, and one another program holds.
TEST(PortProblemTest, TheSerialPortTellsMissingFromInUse) {
    TempDir dir;
    SerialTransport missing;
    EXPECT_FALSE(missing.Open(dir.PathOf("ttyNone"), 9600));
    EXPECT_EQ(missing.OpenError(), PortOpenError::NotFound);

    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", dir.PathOf("unit.bin")}));
    const std::string port = sim.Connection().substr(std::string("serial:").size());
    SerialTransport first;
    ASSERT_TRUE(first.Open(port, 9600));
    SerialTransport second;
    EXPECT_FALSE(second.Open(port, 9600));
    EXPECT_EQ(second.OpenError(), PortOpenError::InUse);
}

// Another process holds the line open; the message names it.
TEST(PortProblemTest, TheProgramHoldingAPortIsNamed) {
    int master = -1;
    int slave = -1;
    char name[128] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    PortHolder holder;
    for (int i = 0; i < 200 && holder.m_strProgram != "sleep"; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        holder = FindPortHolder(name);
    }
    EXPECT_EQ(holder.m_seen, PortHolder::Seen::Program);
    EXPECT_EQ(holder.m_nPid, child);
    EXPECT_EQ(PortOpenHint(PortOpenError::InUse, name),
              std::string(name) + " is in use by sleep (process " + std::to_string(child) +
                  "). Close that program, then try again.");
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(master);
    ::close(slave);
    EXPECT_EQ(FindPortHolder(name).m_seen, PortHolder::Seen::Nobody);
}

TEST(PortProblemTest, PortLabelsAndThePortsACableBrings) {
    SerialPortEntry usb{"ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001};
    SerialPortEntry builtIn{"ttyS0", "", "", -1, -1};
    SerialPortEntry acm{"ttyACM0", "Serial adapter", "Acme", 0x2341, 0x0043};
    EXPECT_EQ(SerialPortLabel(usb), "ttyUSB0 - FTDI FT232R USB UART (USB 0403:6001)");
    EXPECT_EQ(SerialPortLabel(builtIn), "ttyS0");
    EXPECT_EQ(SerialPortLabel(acm), "ttyACM0 - Acme Serial adapter (USB 2341:0043)");
    EXPECT_EQ(NewSerialPorts({builtIn}, {builtIn, usb}), std::vector<SerialPortEntry>{usb});
    EXPECT_EQ(NewSerialPorts({builtIn, usb}, {builtIn}), std::vector<SerialPortEntry>{});
}

// The scan reads only where a process's open files lead: a file elsewhere than
// /dev (one on a network mount that no longer answers) is never touched, and
// the scan gives up by the clock with what it saw.
TEST(PortProblemTest, TheHolderScanReadsWhereFilesLeadAndEndsByTheClock) {
    int master = -1;
    int slave = -1;
    char name[128] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    TempDir proc;
    const std::filesystem::path gps = proc.Path() / "4242";
    std::filesystem::create_directories(gps / "fd");
    std::ofstream(gps / "comm") << "gpsd\n";
    std::filesystem::create_symlink("/net/gone/log.txt", gps / "fd" / "3");
    std::filesystem::create_symlink("socket:[1234]", gps / "fd" / "4");
    std::filesystem::create_symlink(name, gps / "fd" / "5");

    const PortHolder holder = FindPortHolder(name, 1000, proc.Path().string());
    EXPECT_EQ(holder.m_seen, PortHolder::Seen::Program);
    EXPECT_EQ(holder.m_strProgram, "gpsd");
    EXPECT_EQ(holder.m_nPid, 4242);
    EXPECT_EQ(FindPortHolder(name, 0, proc.Path().string()).m_seen, PortHolder::Seen::Nobody);
    ::close(master);
    ::close(slave);
}
