#include "cli/ModemCommand.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include "cli/CliArgs.h"
#include "cli/CliConnection.h"
#include "cli/CliMessages.h"
#include "unit/ModemSetup.h"
#include "unit/link/EnumSerialPorts.h"
#include "unit/link/StreamUnitLink.h"

namespace {

constexpr int kCheckStep = 3;
constexpr int kLastStep = 5;

int RunModemSetup(const CliArgs& args) {
    if (!args.Positionals().empty() || !args.Has("port")) return kExitUsage;
    EnsureQtCore();
    StreamUnitLink link([] { return std::nullopt; }, [] { return std::nullopt; });
    ModemSetup setup(link, EnumSerialPorts,
                     [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
    setup.Open();
    // A device typed in counts as a port of the list.
    const std::string port = args.Get("port");
    auto it = std::find(setup.m_ports.begin(), setup.m_ports.end(), port);
    if (it == setup.m_ports.end()) it = setup.m_ports.insert(setup.m_ports.end(), port);
    setup.SelectPort(static_cast<int>(it - setup.m_ports.begin()));
    if (args.Has("init")) setup.SetInitString(args.Get("init"));

    while (setup.m_nStep < kCheckStep) setup.Proceed();
    const bool checked = setup.m_bNextEnabled;
    while (checked && !setup.m_bClosed && setup.m_nStep < kLastStep) setup.Proceed();
    std::cout << setup.m_strLog;
    if (!setup.m_strLog.empty() && setup.m_strLog.back() != '\n') std::cout << '\n';
    setup.Quit();
    return checked && setup.m_bSetUp ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kModemSetupCommand{
    "modem-setup",
    //: The arguments of `zrtpro-cli modem-setup`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "--port DEVICE [--init STRING]"),
    //: `zrtpro-cli modem-setup --help`. Keep command and option names as they are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Gives the remote modem on DEVICE its auto-answer configuration: checks that the\n"
        "modem echoes, restores factory defaults, sends the initialization string\n"
        "(default ATS0=1&M4&K0&N8&B1&H0&R1&S0) and saves it; prints the modem's log."),
    {"port", "init"},
    {},
    RunModemSetup};
