#pragma once

#include "window/CommandGroup.h"

class CMainFrame;
class ReportActions;

// File > Print with Print Preview and Export Report as PDF beside it: the
// main window's Print command and toolbar button print through the report's
// own actions.
class ReportCommandGroup : public CommandGroup {
public:
    explicit ReportCommandGroup(CMainFrame& frame);

    void UpdateCommands() override;

private:
    CMainFrame& m_frame;
    ReportActions* m_pActions;
};
