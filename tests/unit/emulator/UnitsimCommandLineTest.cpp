#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

const std::string kSim = ZRTPRO_UNITSIM;

TEST(UnitsimCommandLine, HelpExplainsTheOptions) {
    const ProgramRun run = RunProgram(kSim + " --help");
    EXPECT_EQ(run.m_nStatus, 0);
    for (const char* option :
         {"--eeprom FILE", "--password TEXT", "--tcp PORT", "--baud RATE", "--modem",
          "--dial-result TEXT", "--fault KIND:N", "drop", "corrupt", "short", "stall", "hangup",
          "die", "trickle", "--byte-gap MS", "serial:/dev/pts/N", "tcp:127.0.0.1:PORT"})
        EXPECT_NE(run.m_strOut.find(option), std::string::npos) << option;
}

TEST(UnitsimCommandLine, RefusesWrongArgumentsWithAHint) {
    struct Case {
        const char* args;
        const char* says;
    };
    const Case cases[] = {
        {"", "--eeprom FILE is required"},
        {"--eeprom /tmp/x.bin --baud fast", "--baud needs a rate"},
        {"--eeprom /tmp/x.bin --tcp 70000", "--tcp needs a port number"},
        {"--eeprom /tmp/x.bin --fault explode:3", "--fault needs KIND:N"},
        {"--eeprom /tmp/x.bin --fault drop:0", "--fault needs KIND:N"},
        {"--eeprom /tmp/x.bin --byte-gap -1", "--byte-gap needs a pause"},
        {"--eeprom /tmp/x.bin --password 0123456789", "at most 9 characters"},
        {"--eeprom /tmp/x.bin --colour", "unknown argument --colour"},
        {"--eeprom", "--eeprom needs a value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const ProgramRun run = RunProgram(kSim + " " + c.args);
        EXPECT_EQ(run.m_nStatus, 2);
        EXPECT_NE(run.m_strErr.find(c.says), std::string::npos) << run.m_strErr;
        EXPECT_TRUE(run.m_strOut.empty());
    }
}

TEST(UnitsimCommandLine, RefusesAMemoryFileOfTheWrongSize) {
    TempDir dir;
    const std::string path = dir.Write("unit.bin", std::string(100, '\xFF'));
    const ProgramRun run = RunProgram(kSim + " --eeprom " + path);
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_NE(run.m_strErr.find("is not a 65,536-byte unit memory"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(path), 100u);
}

}  // namespace
