#include "import/widgets/ImportCommandGroup.h"

#include <QAction>

#include "app/CMainFrame.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"

ImportCommandGroup::ImportCommandGroup(CMainFrame& frame) : CommandGroup(&frame), m_frame(frame) {
    connect(frame.Action(kCmdImportLunetta), &QAction::triggered, this,
            [this] { ImportLunetta(); });
    connect(frame.Action(kCmdImportM7700), &QAction::triggered, this, [this] { ImportM7700(); });
}

void ImportCommandGroup::UpdateCommands() {
    const bool busy = m_frame.State().m_bBusy;
    for (int id : {kCmdImportLunetta, kCmdImportM7700, kCmdImportQuillon})
        m_frame.Action(id)->setEnabled(*DocumentCommandEnabled(id, m_frame.Doc(), busy));
}

void ImportCommandGroup::Import(ImportKind kind) {
    DocumentContext ctx = m_frame.DocContext();
    ImportCommand(ctx, m_frame.UserProfile(), kind);
    m_frame.UpdateCommands();
}
