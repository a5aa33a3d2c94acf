#pragma once

#include "window/CommandGroup.h"

class MainWindow;

// View > Expand Tree to Show Conflicts and Reset All Arch Numbers to Original.
class TreeCommandGroup : public CommandGroup {
public:
    explicit TreeCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void ExpandConflicts();
    void ResetAll();

private:
    MainWindow& m_frame;
};
