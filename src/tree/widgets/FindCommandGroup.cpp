#include "tree/widgets/FindCommandGroup.h"

#include <QAction>
#include <QMainWindow>

#include "model/CommandIds.h"
#include "tree/widgets/FindBar.h"
#include "window/MainWindow.h"

FindCommandGroup::FindCommandGroup(MainWindow& frame, std::function<FindBar*()> makeBar)
    : CommandGroup(&frame.Window()), m_frame(frame), m_makeBar(std::move(makeBar)) {
    connect(frame.Action(kCmdEditFind), &QAction::triggered, this, [this] {
        if (!Enabled()) return;
        if (!m_pBar) m_pBar = m_makeBar();
        m_pBar->Open();
    });
}

bool FindCommandGroup::Enabled() const {
    return m_frame.Doc().m_bTreeBuilt && !m_frame.State().m_bBusy;
}

void FindCommandGroup::UpdateCommands() {
    const bool enabled = Enabled();
    m_frame.Action(kCmdEditFind)->setEnabled(enabled);
    // A transfer or a configuration closed takes the bar away with the inputs it found.
    if (!enabled && m_pBar) m_pBar->hide();
}
