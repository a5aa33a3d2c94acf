#pragma once

#include "app/CCommandGroup.h"

class CMainFrame;

// File > Import: Lunetta, MC-77/M-7700 and Quillon Plus. The Quillon item is
// never enabled (Quillon files come in through the setup wizard). The readers
// are wired to the window with the setup wizard; until then the two other
// items stay disabled too.
class CImportCommands : public CCommandGroup {
public:
    explicit CImportCommands(CMainFrame& frame);

    void UpdateCommands() override;

    void ImportLunetta();
    void ImportM7700();

private:
    CMainFrame& m_frame;
};
