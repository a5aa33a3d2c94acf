#pragma once

#include "app/CCommandGroup.h"

class CMainFrame;

// The unit commands: Read, Write, Verify Write, Set Time and Configure Remote
// Modem. Verify Write is a setting and works now; the transfers and the modem
// set-up come with the unit link, so until then Read and Write do nothing and
// Set Time and the modem set-up stay disabled.
class CUnitCommands : public CCommandGroup {
public:
    explicit CUnitCommands(CMainFrame& frame);

    void UpdateCommands() override;

    void ReadUnit();
    void WriteUnit();
    void ToggleVerifyWrite();
    void SetUnitTime();
    void ConfigureRemoteModem();

private:
    CMainFrame& m_frame;
};
