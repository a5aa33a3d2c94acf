#pragma once

#include "window/CommandGroup.h"

class FindBar;
class MainWindow;

// Edit > Find: opens the find bar above the tree while a configuration is
// shown and the window is not busy with the unit.
class FindCommandGroup : public CommandGroup {
public:
    FindCommandGroup(MainWindow& frame, FindBar& bar);

    void UpdateCommands() override;

private:
    bool Enabled() const;

    MainWindow& m_frame;
    FindBar& m_bar;
};
