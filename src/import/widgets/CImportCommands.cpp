#include "import/widgets/CImportCommands.h"

#include <QAction>
#include <QMainWindow>

#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "window/MainWindow.h"

CImportCommands::CImportCommands(MainWindow& frame)
    : CCommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdImportLunetta), &QAction::triggered, this,
            [this] { ImportLunetta(); });
    connect(frame.Action(kCmdImportM7700), &QAction::triggered, this, [this] { ImportM7700(); });
}

void CImportCommands::UpdateCommands() {
    const bool busy = m_frame.State().m_bBusy;
    for (int id : {kCmdImportLunetta, kCmdImportM7700, kCmdImportQuillon})
        m_frame.Action(id)->setEnabled(*DocumentCommandEnabled(id, m_frame.Doc(), busy));
}

void CImportCommands::Import(ImportKind kind) {
    DocumentContext ctx = m_frame.DocContext();
    ImportCommand(ctx, m_frame.UserProfile(), kind);
    m_frame.UpdateCommands();
}
