#pragma once

#include "window/CommandGroup.h"

class MainWindow;

// File > Compare with File...: the open configuration beside a configuration
// file, in the differences dialog. Neither changes.
class CompareCommandGroup : public CommandGroup {
public:
    explicit CompareCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void CompareWithFile();

private:
    MainWindow& m_frame;
};
