#pragma once

#include "app/CCommandGroup.h"

class CMainFrame;

// View > Expand Tree to Show Conflicts and Reset All Arch Numbers to Original.
class CTreeCommands : public CCommandGroup {
public:
    explicit CTreeCommands(CMainFrame& frame);

    void UpdateCommands() override;

    void ExpandConflicts();
    void ResetAll();

private:
    CMainFrame& m_frame;
};
