#include "tree/widgets/TreeCommandGroup.h"

#include <QAction>
#include <QMainWindow>

#include "model/CommandIds.h"
#include "pages/ArchAssign.h"
#include "pages/PageMessages.h"
#include "tree/BuildTree.h"
#include "tree/TreeCommands.h"
#include "tree/TreeMessages.h"
#include "tree/widgets/CLeftTreeView.h"
#include "window/MainWindow.h"

TreeCommandGroup::TreeCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdExpandConflicts), &QAction::triggered, this,
            [this] { ExpandConflicts(); });
    connect(frame.Action(kCmdResetAllArch), &QAction::triggered, this, [this] { ResetAll(); });
}

void TreeCommandGroup::UpdateCommands() {
    m_frame.Action(kCmdExpandConflicts)->setEnabled(ExpandConflictsEnabled(m_frame.Doc()));
    m_frame.Action(kCmdResetAllArch)
        ->setEnabled(ResetAllEnabled(m_frame.Doc(), m_frame.CurrentPageKind()));
}

void TreeCommandGroup::ExpandConflicts() {
    if (!ExpandConflictsEnabled(m_frame.Doc())) return;
    if (!ExpandTreeToShowConflicts(m_frame.Doc(), m_frame.Tree()))
        m_frame.SetStatusText(QString::fromLatin1(TreeMessages::kNoConflicts));
}

void TreeCommandGroup::ResetAll() {
    if (!ResetAllEnabled(m_frame.Doc(), m_frame.CurrentPageKind())) return;
    ResetAllArchNumbers(m_frame.Doc(), m_frame.Tree());
    m_frame.State().m_history.Record(m_frame.Doc(), PageMessages::kEditResetAll,
                                     m_frame.Tree().SelectedItem());
    // The conflict marks follow the numbers they mark.
    RefreshTreeMarks(m_frame.Doc(), m_frame.Tree());
    m_frame.RefreshPage();
    m_frame.UpdateCommands();
}
