#pragma once

#include "window/CCommandGroup.h"

class MainWindow;
class CReportActions;

// File > Print with Print Preview and Export Report as PDF beside it: the
// main window's Print command and toolbar button print through the report's
// own actions.
class CReportCommands : public CCommandGroup {
public:
    explicit CReportCommands(MainWindow& frame);

    void UpdateCommands() override;

private:
    MainWindow& m_frame;
    CReportActions* m_pActions;
};
