#include "import/widgets/CImportCommands.h"

#include <QAction>

#include "app/CMainFrame.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"

CImportCommands::CImportCommands(CMainFrame& frame) : CCommandGroup(&frame), m_frame(frame) {
    connect(frame.Action(kCmdImportLunetta), &QAction::triggered, this,
            [this] { ImportLunetta(); });
    connect(frame.Action(kCmdImportM7700), &QAction::triggered, this, [this] { ImportM7700(); });
}

void CImportCommands::UpdateCommands() {
    m_frame.Action(kCmdImportLunetta)->setEnabled(false);
    m_frame.Action(kCmdImportM7700)->setEnabled(false);
    m_frame.Action(kCmdImportQuillon)
        ->setEnabled(
            *DocumentCommandEnabled(kCmdImportQuillon, m_frame.Doc(), m_frame.State().m_bBusy));
}

void CImportCommands::ImportLunetta() {}

void CImportCommands::ImportM7700() {}
