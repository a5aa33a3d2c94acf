#include "tree/widgets/TreeCommandGroup.h"

#include <QAction>

#include "app/CMainFrame.h"
#include "model/CommandIds.h"
#include "pages/ArchAssign.h"
#include "pages/widgets/CBaseForm.h"
#include "tree/BuildTree.h"
#include "tree/TreeCommands.h"
#include "tree/widgets/CLeftTreeView.h"

TreeCommandGroup::TreeCommandGroup(CMainFrame& frame) : CommandGroup(&frame), m_frame(frame) {
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
    ExpandTreeToShowConflicts(m_frame.Doc(), m_frame.Tree());
}

void TreeCommandGroup::ResetAll() {
    if (!ResetAllEnabled(m_frame.Doc(), m_frame.CurrentPageKind())) return;
    ResetAllArchNumbers(m_frame.Doc(), m_frame.Tree());
    // The conflict marks follow the numbers they mark.
    RefreshTreeMarks(m_frame.Doc(), m_frame.Tree());
    if (CBaseForm* page = m_frame.CurrentPage(); page && page->Kind() == PageKind::CZRTForm)
        page->RefreshPage();
    m_frame.UpdateCommands();
}
