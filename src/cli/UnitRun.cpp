#include "cli/UnitRun.h"

#include <iostream>

#include "cli/CliArgs.h"

bool UnitRun::Connect(const CliArgs& args) {
    std::string error;
    m_connection =
        CliConnection::Open(args.Get("connect"), args.Get("password"), args.Get("trace"), error);
    if (!m_connection) std::cerr << error << '\n';
    m_state.m_strConnection = args.Get("connect");
    return m_connection != nullptr;
}

UnitContext UnitRun::Context() {
    m_cli.m_prompter.m_pCancel = &m_state.m_bCancelRequested;
    CliPrompter::CatchInterrupt();
    m_cli.m_prompter.WatchEscape();
    return {m_cli.m_doc,          m_cli.m_tree, m_cli.m_prompter, m_state,
            m_connection->Link(), m_ui,         m_clock};
}
