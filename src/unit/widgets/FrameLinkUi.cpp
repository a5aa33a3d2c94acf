#include "unit/widgets/FrameLinkUi.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include "document/widgets/DiffDialog.h"
#include "pages/widgets/CBaseForm.h"
#include "unit/UnitMessages.h"
#include "unit/widgets/UnitWidgetMessages.h"
#include "window/MainWindow.h"

FrameLinkUi::FrameLinkUi(MainWindow& frame)
    : QObject(&frame.Window()), m_frame(frame), m_pRelayout(new QTimer(this)) {
    m_pRelayout->setObjectName(QString::number(kRelayoutTimerId));
    m_pRelayout->setSingleShot(true);
    m_pRelayout->setInterval(kRelayoutMs);
    connect(m_pRelayout, &QTimer::timeout, this, &FrameLinkUi::Relayout);
}

void FrameLinkUi::ShowLinkPage(bool wasBusy) {
    m_frame.ShowPage(PageKind::CStatusForm, nullptr);
    // The tip of the button that started the transfer would hide the
    // operation's own status text for as long as the pointer rests on it.
    m_frame.Window().statusBar()->clearMessage();
    if (!wasBusy) m_savedFlags = m_frame.Window().windowFlags();
    Qt::WindowFlags busy = m_savedFlags;
    // A window without hints of its own gets the desktop's buttons, close box
    // included: it has to name every button it keeps.
    if (!(busy & Qt::CustomizeWindowHint))
        busy |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowMinMaxButtonsHint;
    SetFrameFlags(busy & ~Qt::WindowCloseButtonHint);
    // The busy state is set once this returns; the commands follow it as soon
    // as the window next gets a chance to repaint.
    QMetaObject::invokeMethod(
        &m_frame.Window(), [this] { m_frame.UpdateCommands(); }, Qt::QueuedConnection);
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
    if (m_frame.Window().windowFlags() == flags) return;
    // Told to the window manager directly: QWidget::setWindowFlags would hide
    // and re-create the window in the middle of the transfer.
    m_frame.Window().overrideWindowFlags(flags);
    if (QWindow* window = m_frame.Window().windowHandle()) window->setFlags(flags);
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
    m_frame.Window().update();
}

bool FrameLinkUi::ConfirmWrite(const WriteConfirmation& what) {
    const WriteQuestion question = QuestionFor(what);
    QStringList notes;
    for (const std::string& note : question.m_notes) notes << QString::fromStdString(note);
    DiffDialog dialog(
        what.m_diffs, QCoreApplication::translate("Unit", UnitMessages::kWriteToUnitCaption),
        QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kCompareHeading),
        DiffDialog::Mode::Confirm, &m_frame.Window());
    dialog.setObjectName("writeToUnit");
    // A restore writes the copy: its column is headed so.
    if (what.m_bRestore)
        dialog.SetThisHeading(
            QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kCopyHeading));
    dialog.AskBeforeWriting(notes, question.m_bWarn, QString::fromStdString(question.m_strCount),
                            QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kWrite));
    return dialog.exec() == QDialog::Accepted;
}
