#pragma once

#include "window/CCommandGroup.h"

class MainWindow;

// View > Expand Tree to Show Conflicts and Reset All Arch Numbers to Original.
class CTreeCommands : public CCommandGroup {
public:
    explicit CTreeCommands(MainWindow& frame);

    void UpdateCommands() override;

    void ExpandConflicts();
    void ResetAll();

private:
    MainWindow& m_frame;
};
