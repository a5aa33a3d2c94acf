#pragma once

#include "import/ImportBuild.h"
#include "window/CommandGroup.h"

class CMainFrame;

// File > Import: Lunetta, MC-77/M-7700 and Quillon Plus. The Quillon item is
// never enabled (Quillon files come in through the setup wizard).
class ImportCommandGroup : public CommandGroup {
public:
    explicit ImportCommandGroup(CMainFrame& frame);

    void UpdateCommands() override;

    void ImportLunetta() { Import(ImportKind::Lunetta); }
    void ImportM7700() { Import(ImportKind::M7700); }

private:
    void Import(ImportKind kind);

    CMainFrame& m_frame;
};
