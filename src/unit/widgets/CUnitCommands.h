#pragma once

#include <memory>

#include "app/CCommandGroup.h"
#include "unit/UnitClock.h"
#include "unit/UnitContext.h"

class CFrameLinkUi;
class CMainFrame;
class CWindowUnitLink;

// The unit commands: Read, Write, Verify Write, Set Time and Configure Remote
// Modem. Read and Write show the progress page while they run; the unit is
// found through the connection dialog (or is the built-in demonstration unit).
class CUnitCommands : public CCommandGroup {
public:
    explicit CUnitCommands(CMainFrame& frame);
    ~CUnitCommands() override;

    void UpdateCommands() override;

    void ReadUnit();
    void WizardReadUnit();
    void WriteUnit();
    void ToggleVerifyWrite();
    void SetUnitTime();
    void ConfigureRemoteModem();

    CWindowUnitLink& Link() { return *m_link; }
    CFrameLinkUi& LinkUi() { return *m_pLinkUi; }

private:
    UnitContext Context();
    // Runs one unit command, never inside another.
    template <typename Command>
    void Run(Command command);

    CMainFrame& m_frame;
    CFrameLinkUi* m_pLinkUi;
    std::unique_ptr<CWindowUnitLink> m_link;
    SystemClock m_clock;
    bool m_bRunning = false;
};
