#pragma once

#include "window/CommandGroup.h"

class MainWindow;

// View > Expand Tree to Show Conflicts.
class TreeCommandGroup : public CommandGroup {
public:
    explicit TreeCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void ExpandConflicts();

private:
    MainWindow& m_frame;
};
