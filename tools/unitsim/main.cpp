// zrtpro-unitsim: the unit emulator on a pseudo-terminal or a TCP port.
#include <csignal>
#include <cstdio>
#include <iostream>

#include "SimOptions.h"
#include "SimServer.h"

int main(int argc, char** argv) {
    std::string error;
    const auto options = ParseSimOptions(argc, argv, error);
    if (!options) {
        std::cerr << "zrtpro-unitsim: " << error << "\nTry zrtpro-unitsim --help\n";
        return 2;
    }
    if (options->m_bHelp) {
        std::cout << kSimHelp;
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction stop {};
    stop.sa_handler = [](int) { SimServer::s_bStop = 1; };
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    SimServer server(*options);
    if (!server.Start(error)) {
        std::cerr << "zrtpro-unitsim: " << error << "\n";
        return 1;
    }
    std::cout << server.Description() << std::endl;
    return server.Run();
}
