#include "document/widgets/EditCommandGroup.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>

#include "document/widgets/DocumentWidgetMessages.h"
#include "model/CommandIds.h"
#include "model/ShownText.h"
#include "tree/BuildTree.h"
#include "window/MainWindow.h"

namespace {

void Name(QAction* action, const QString& plain, const QString& named, const QString& tip,
          const std::string& label) {
    const QString step = QString::fromStdString(TextAsUtf8(label));
    QString text = plain;
    text.truncate(text.indexOf('\t'));
    if (!step.isEmpty()) text = QString(named).arg(QString(step).replace('&', "&&"));
    action->setText(text);
    action->setToolTip(step.isEmpty() ? QString(text).remove('&') : QString(tip).arg(step));
}

}  // namespace

EditCommandGroup::EditCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdEditUndo), &QAction::triggered, this, [this] { Undo(); });
    connect(frame.Action(kCmdEditRedo), &QAction::triggered, this, [this] { Redo(); });
}

void EditCommandGroup::UpdateCommands() {
    const MainState& state = m_frame.State();
    const EditHistory& history = state.m_history;
    QAction* undo = m_frame.Action(kCmdEditUndo);
    QAction* redo = m_frame.Action(kCmdEditRedo);
    undo->setEnabled(!state.m_bBusy && history.CanUndo());
    redo->setEnabled(!state.m_bBusy && history.CanRedo());
    namespace M = DocumentWidgetMessages;
    Name(undo, QCoreApplication::translate("DocumentWidgets", M::kUndo),
         QCoreApplication::translate("DocumentWidgets", M::kUndoNamed),
         QCoreApplication::translate("DocumentWidgets", M::kUndoTip), history.UndoLabel());
    Name(redo, QCoreApplication::translate("DocumentWidgets", M::kRedo),
         QCoreApplication::translate("DocumentWidgets", M::kRedoNamed),
         QCoreApplication::translate("DocumentWidgets", M::kRedoTip), history.RedoLabel());
}

void EditCommandGroup::Undo() {
    EditHistory& history = m_frame.State().m_history;
    if (m_frame.State().m_bBusy) return;
    const TreeItem place = history.UndoPlace();
    if (history.Undo(m_frame.Doc())) ShowRestored(place);
}

void EditCommandGroup::Redo() {
    EditHistory& history = m_frame.State().m_history;
    if (m_frame.State().m_bBusy) return;
    const TreeItem place = history.RedoPlace();
    if (history.Redo(m_frame.Doc())) ShowRestored(place);
}

void EditCommandGroup::ShowRestored(TreeItem place) {
    CZRTProDoc& doc = m_frame.Doc();
    TreeSink& tree = m_frame.Tree();
    RefreshInputItems(doc, tree);

    const QWidget* before = m_frame.CurrentPage();
    const bool focusInPage = before && before->isAncestorOf(QApplication::focusWidget());
    const TreeItem item = place ? place : tree.SelectedItem();
    if (item != tree.SelectedItem()) {
        // Selecting the item shows its page, loaded from the configuration as it is now.
        tree.SelectItem(item);
    } else if (const int n = doc.FindNodeByItem(item); n >= 0) {
        m_frame.ShowPage(doc.m_nodes[static_cast<size_t>(n)].m_pPageClass, item);
    }
    if (focusInPage) {
        if (QWidget* target = m_frame.PageFocusTarget()) target->setFocus(Qt::OtherFocusReason);
    }
    m_frame.UpdateCommands();
}
