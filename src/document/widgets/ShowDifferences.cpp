#include "document/widgets/ShowDifferences.h"

#include <QMainWindow>

#include "document/widgets/DiffDialog.h"
#include "window/MainWindow.h"

namespace {

// Selects the tree item of the node `item` names in the open configuration;
// nothing happens for an item it does not have or while a transfer runs.
void SelectItemNamed(MainWindow& frame, const QString& item) {
    if (frame.State().m_bBusy) return;
    CZRTProDoc& doc = frame.Doc();
    const int node = DiffItemNode(doc, item.toLatin1().toStdString());
    if (node < 0) return;
    const TreeItem treeItem = doc.m_nodes[static_cast<size_t>(node)].m_hItem;
    if (!treeItem) return;
    TreeSink& tree = frame.Tree();
    if (const TreeItem parent = tree.ParentItem(treeItem)) tree.Expand(parent);
    tree.SelectItem(treeItem);
}

}  // namespace

DiffDialog* ShowDifferences(MainWindow& frame, const std::vector<DiffItem>& items,
                            const QString& caption, const QString& otherHeading) {
    auto* dialog =
        new DiffDialog(items, caption, otherHeading, DiffDialog::Mode::Show, &frame.Window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    QObject::connect(dialog, &DiffDialog::ItemActivated, dialog,
                     [&frame](const QString& item) { SelectItemNamed(frame, item); });
    dialog->show();
    return dialog;
}
