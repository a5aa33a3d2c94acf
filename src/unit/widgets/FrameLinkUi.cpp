#include "unit/widgets/FrameLinkUi.h"

#include <QApplication>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include "app/CMainFrame.h"
#include "pages/widgets/CBaseForm.h"

FrameLinkUi::FrameLinkUi(CMainFrame& frame)
    : QObject(&frame), m_frame(frame), m_pRelayout(new QTimer(this)) {
    m_pRelayout->setObjectName(QString::number(kRelayoutTimerId));
    m_pRelayout->setSingleShot(true);
    m_pRelayout->setInterval(kRelayoutMs);
    connect(m_pRelayout, &QTimer::timeout, this, &FrameLinkUi::Relayout);
}

void FrameLinkUi::ShowLinkPage(bool wasBusy) {
    m_frame.ShowPage(PageKind::CStatusForm, nullptr);
    // The tip of the button that started the transfer would hide the
    // operation's own status text for as long as the pointer rests on it.
    m_frame.statusBar()->clearMessage();
    if (!wasBusy) m_savedFlags = m_frame.windowFlags();
    Qt::WindowFlags busy = m_savedFlags;
    // A window without hints of its own gets the desktop's buttons, close box
    // included: it has to name every button it keeps.
    if (!(busy & Qt::CustomizeWindowHint))
        busy |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowMinMaxButtonsHint;
    SetFrameFlags(busy & ~Qt::WindowCloseButtonHint);
    // The busy state is set once this returns; the commands follow it as soon
    // as the window next gets a chance to repaint.
    QMetaObject::invokeMethod(&m_frame, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
}

void FrameLinkUi::RestorePage(int nodeIndex, TreeItem item) {
    SetFrameFlags(m_savedFlags);
    CZRTProDoc& doc = m_frame.Doc();
    const PageKind kind = nodeIndex >= 0 && static_cast<size_t>(nodeIndex) < doc.m_nodes.size()
                              ? doc.m_nodes[static_cast<size_t>(nodeIndex)].m_pPageClass
                              : PageKind::None;
    m_frame.ShowPage(kind, item);
}

void FrameLinkUi::SetFrameFlags(Qt::WindowFlags flags) {
    if (m_frame.windowFlags() == flags) return;
    // Told to the window manager directly: QWidget::setWindowFlags would hide
    // and re-create the window in the middle of the transfer.
    m_frame.overrideWindowFlags(flags);
    if (QWindow* window = m_frame.windowHandle()) window->setFlags(flags);
}

void FrameLinkUi::SetWaitCursor(bool on) {
    // The pointer with the busy mark: the progress page's Cancel can still be pressed.
    if (on)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool FrameLinkUi::StartRelayoutTimer() {
    m_pRelayout->start();
    return m_pRelayout->isActive();
}

bool FrameLinkUi::RelayoutPending() const { return m_pRelayout->isActive(); }

void FrameLinkUi::Relayout() {
    QSplitter* splitter = m_frame.Splitter();
    splitter->refresh();
    splitter->repaint();
    m_frame.update();
}
