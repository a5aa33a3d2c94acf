#pragma once

#include "window/CommandGroup.h"

class CMainFrame;

// View > Expand Tree to Show Conflicts and Reset All Arch Numbers to Original.
class TreeCommandGroup : public CommandGroup {
public:
    explicit TreeCommandGroup(CMainFrame& frame);

    void UpdateCommands() override;

    void ExpandConflicts();
    void ResetAll();

private:
    CMainFrame& m_frame;
};
