#pragma once

#include <functional>

#include "window/CommandGroup.h"

class FindBar;
class MainWindow;

// Edit > Find: opens the find bar above the tree while a configuration is
// shown and the window is not busy with the unit. The bar is made when it is
// first opened: the first frame of the window does not show it.
class FindCommandGroup : public CommandGroup {
public:
    FindCommandGroup(MainWindow& frame, std::function<FindBar*()> makeBar);

    void UpdateCommands() override;

private:
    bool Enabled() const;

    MainWindow& m_frame;
    std::function<FindBar*()> m_makeBar;
    FindBar* m_pBar = nullptr;
};
