#pragma once

#include <memory>

#include "cli/CliConnection.h"
#include "cli/CliDocument.h"
#include "unit/UnitContext.h"

class CliArgs;

// A unit command's run: the document, the connection and the window's unit state.
struct UnitRun {
    CliDocument m_cli;
    MainState m_state;
    LinkUiHooks m_ui;
    SystemClock m_clock;
    std::unique_ptr<CliConnection> m_connection;

    // Opens the connection of --connect (with --password and --trace); prints why not.
    bool Connect(const CliArgs& args);
    // The unit operations' context; Ctrl+C and Esc cancel from here on.
    UnitContext Context();
};
