// The link through ser2net, the Linux serial device server, in front of the
// emulated unit's pseudo-terminal: once as raw TCP and once as RFC 2217.
#include <gtest/gtest.h>

#include <cstdio>

#include "cli/CliFixture.h"
#include "support/Ser2netProcess.h"
#include "support/SimProcess.h"

namespace {

using CliDeviceServerTest = CliFixture;

}  // namespace

TEST_F(CliDeviceServerTest, WriteVerifyAndReadThroughSer2netRawAndRfc2217) {
    if (Ser2netProcess::Program().empty())
        GTEST_SKIP() << "ser2net is not installed (scripts/deps installs it): the link through "
                        "a serial device server was not tried.";
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", m_dir.PathOf("unit.bin"), "--password", "pw"}));
    Ser2netProcess server;
    ASSERT_TRUE(server.Start(sim.Connection().substr(std::string("serial:").size()),
                             m_dir.Path().string()));

    // The fullest configuration: 8 ports, each with a camera interface unit (192 inputs).
    const std::string site = m_dir.PathOf("site.zrt");
    ASSERT_EQ(
        Cli("new --system m7700 --digits 3 --expansion 3 --ports 8 --ciu 8 -o " + site).m_nStatus,
        0);
    // The unit's memory is mostly FF, which Telnet doubles.
    for (const std::string& connection :
         {server.RawConnection(), server.Rfc2217Connection(115200)}) {
        SCOPED_TRACE(connection);
        ProgramRun run =
            Cli("write " + site + " --connect " + connection + " --password pw --verify");
        ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
        const std::string back = m_dir.PathOf("back.zrt");
        std::remove(back.c_str());
        run = Cli("read --connect " + connection + " --password pw --ports 8 -o " + back);
        ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
        EXPECT_EQ(Inputs(back), Inputs(site));
    }
}
