#include "report/widgets/ReportCommandGroup.h"

#include <QAction>
#include <QMenu>

#include "app/CMainFrame.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "report/widgets/ReportActions.h"
#include "window/QtPrompter.h"

ReportCommandGroup::ReportCommandGroup(CMainFrame& frame)
    : CommandGroup(&frame),
      m_frame(frame),
      m_pActions(new ReportActions(&frame, frame.Doc(), frame.Prompter())) {
    QAction* print = frame.Action(kCmdPrint);
    connect(print, &QAction::triggered, this, [this] {
        m_pActions->UpdateEnabled(m_frame.State().m_bBusy);
        m_pActions->PrintAction()->trigger();
    });
    // Preview and PDF export follow Print in the File menu.
    for (QObject* owner : print->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(owner);
        if (!menu) continue;
        const QList<QAction*> items = menu->actions();
        const qsizetype at = items.indexOf(print);
        QAction* after = at + 1 < items.size() ? items[at + 1] : nullptr;
        menu->insertActions(after, {m_pActions->PreviewAction(), m_pActions->ExportAction()});
    }
}

void ReportCommandGroup::UpdateCommands() {
    const bool busy = m_frame.State().m_bBusy;
    m_frame.Action(kCmdPrint)->setEnabled(*DocumentCommandEnabled(kCmdPrint, m_frame.Doc(), busy));
    m_pActions->UpdateEnabled(busy);
}
