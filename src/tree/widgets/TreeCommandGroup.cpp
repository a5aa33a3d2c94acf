#include "tree/widgets/TreeCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>

#include "model/CommandIds.h"
#include "tree/TreeCommands.h"
#include "tree/TreeMessages.h"
#include "tree/widgets/CLeftTreeView.h"
#include "window/MainWindow.h"

TreeCommandGroup::TreeCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdExpandConflicts), &QAction::triggered, this,
            [this] { ExpandConflicts(); });
}

void TreeCommandGroup::UpdateCommands() {
    m_frame.Action(kCmdExpandConflicts)->setEnabled(ExpandConflictsEnabled(m_frame.Doc()));
}

void TreeCommandGroup::ExpandConflicts() {
    if (!ExpandConflictsEnabled(m_frame.Doc())) return;
    if (!ExpandTreeToShowConflicts(m_frame.Doc(), m_frame.Tree()))
        m_frame.SetStatusText(QCoreApplication::translate("Tree", TreeMessages::kNoConflicts));
}
