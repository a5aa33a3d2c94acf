// zrtpro-unitsim: the unit emulator on a pseudo-terminal or a TCP port.
#include <csignal>
#include <cstdio>
#include <iostream>

#include "SimMessages.h"
#include "SimOptions.h"
#include "SimServer.h"
#include "Version.h"
#include "lang/ProgramLanguage.h"

namespace M = SimMessages;

int main(int argc, char** argv) {
    // The messages in the person's language (LANGUAGE, LC_MESSAGES, LANG).
    const ProgramLanguage language;
    std::string error;
    const auto options = ParseSimOptions(argc, argv, error);
    if (!options) {
        std::cerr << M::kProgram << ": " << error << '\n' << Tr("Unitsim", M::kTryHelp) << '\n';
        return 2;
    }
    if (options->m_bHelp) {
        std::cout << Tr("Unitsim", M::kHelp);
        return 0;
    }
    if (options->m_bVersion) {
        std::cout << M::kProgram << ' ' << kZrtVersion << '\n';
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
        std::cerr << M::kProgram << ": " << error << '\n';
        return 1;
    }
    std::cout << server.Description() << std::endl;
    return server.Run();
}
