#pragma once

#include "window/CommandGroup.h"

class MainWindow;

// View > Reset All Arch Numbers to Original, on the Arch Number page.
class PagesCommandGroup : public CommandGroup {
public:
    explicit PagesCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void ResetAll();

private:
    MainWindow& m_frame;
};
