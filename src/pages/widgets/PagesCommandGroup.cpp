#include "pages/widgets/PagesCommandGroup.h"

#include <QAction>
#include <QMainWindow>

#include "model/CommandIds.h"
#include "pages/ArchAssign.h"
#include "pages/PageMessages.h"
#include "tree/BuildTree.h"
#include "tree/TreeCommands.h"
#include "window/MainWindow.h"

PagesCommandGroup::PagesCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdResetAllArch), &QAction::triggered, this, [this] { ResetAll(); });
}

void PagesCommandGroup::UpdateCommands() {
    m_frame.Action(kCmdResetAllArch)
        ->setEnabled(ResetAllEnabled(m_frame.Doc(), m_frame.CurrentPageKind()));
}

void PagesCommandGroup::ResetAll() {
    if (!ResetAllEnabled(m_frame.Doc(), m_frame.CurrentPageKind())) return;
    ResetAllArchNumbers(m_frame.Doc(), m_frame.Tree());
    m_frame.State().m_history.Record(m_frame.Doc(), Tr("Pages", PageMessages::kEditResetAll),
                                     m_frame.Tree().SelectedItem());
    // The conflict marks follow the numbers they mark.
    RefreshTreeMarks(m_frame.Doc(), m_frame.Tree());
    m_frame.RefreshPage();
    m_frame.UpdateCommands();
}
