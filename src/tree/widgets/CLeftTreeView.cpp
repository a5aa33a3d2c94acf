#include "tree/widgets/CLeftTreeView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "lang/ShownText.h"
#include "tree/SpokenMarks.h"
#include "tree/TreeMessages.h"
#include "tree/widgets/TreePictures.h"
#include "window/FocusedSelection.h"

namespace {

constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kStateRole = Qt::UserRole + 2;
constexpr int kBytesRole = Qt::UserRole + 3;  // the text as the core gave it

// The root shows the document's title, a file name as the system gives it
// (UTF-8); every other item shows Latin-1 names and Arch Numbers beside the
// program's own words in the person's language (UTF-8).
QString Shown(const std::string& text) { return ShownText(text); }

void ShowText(QTreeWidgetItem* item, const std::string& text) {
    item->setData(0, kBytesRole, QByteArray::fromStdString(text));
    item->setText(0, Shown(text));
}

constexpr int kItemHeight = 18;

class RowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(kItemHeight, size.height()));
        return size;
    }
};

}  // namespace

CLeftTreeView::CLeftTreeView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("leftTree");
    setAccessibleName(QCoreApplication::translate("Tree", TreeMessages::kTreeName));
    setColumnCount(1);
    header()->hide();
    // Long item texts scroll sideways rather than being cut.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setTextElideMode(Qt::ElideNone);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    ShowFocusInSelection(*this);
    setIconSize(SideBySideSize());
    setItemDelegate(new RowHeightDelegate(this));
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (current) emit ItemSelected(current);
            });
}

QTreeWidgetItem* CLeftTreeView::ToWidgetItem(TreeItem item) {
    return const_cast<QTreeWidgetItem*>(static_cast<const QTreeWidgetItem*>(item));
}

TreeItem CLeftTreeView::InsertItem(TreeItem parent, const std::string& text) {
    auto* item = parent ? new QTreeWidgetItem(ToWidgetItem(parent)) : new QTreeWidgetItem(this);
    ShowText(item, text);
    item->setData(0, kImageRole, kImageDefault);
    item->setData(0, kStateRole, kStateNone);
    Redraw(item);
    return item;
}

void CLeftTreeView::DeleteAllItems() { clear(); }

void CLeftTreeView::SetItemText(TreeItem item, const std::string& text) {
    QTreeWidgetItem* w = ToWidgetItem(item);
    ShowText(w, text);
    Redraw(w);
}

std::string CLeftTreeView::ItemText(TreeItem item) const {
    return ToWidgetItem(item)->data(0, kBytesRole).toByteArray().toStdString();
}

void CLeftTreeView::SetItemImage(TreeItem item, int image) {
    QTreeWidgetItem* w = ToWidgetItem(item);
    if (w->data(0, kImageRole).toInt() == image) return;
    w->setData(0, kImageRole, image);
    Redraw(w);
}

void CLeftTreeView::SetItemState(TreeItem item, int stateImage) {
    QTreeWidgetItem* w = ToWidgetItem(item);
    if (w->data(0, kStateRole).toInt() == stateImage) return;
    w->setData(0, kStateRole, stateImage);
    Redraw(w);
}

int CLeftTreeView::ItemImage(TreeItem item) const {
    return ToWidgetItem(item)->data(0, kImageRole).toInt();
}

int CLeftTreeView::ItemState(TreeItem item) const {
    return ToWidgetItem(item)->data(0, kStateRole).toInt();
}

void CLeftTreeView::Expand(TreeItem item) { ToWidgetItem(item)->setExpanded(true); }

void CLeftTreeView::SelectItem(TreeItem item) { setCurrentItem(ToWidgetItem(item)); }

TreeItem CLeftTreeView::SelectedItem() const { return currentItem(); }

TreeItem CLeftTreeView::ParentItem(TreeItem item) const { return ToWidgetItem(item)->parent(); }

TreeItem CLeftTreeView::RootItem() const {
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

void CLeftTreeView::RunWizardCommand() {
    if (topLevelItemCount() > 0) return;
    if (m_runWizard) m_runWizard();
}

void CLeftTreeView::mousePressEvent(QMouseEvent* event) {
    m_bMouseSelecting = true;
    QTreeWidget::mousePressEvent(event);
    m_bMouseSelecting = false;
}

void CLeftTreeView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit EnterPressed();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CLeftTreeView::Redraw(QTreeWidgetItem* item) {
    const int image = item->data(0, kImageRole).toInt();
    const int state = item->data(0, kStateRole).toInt();
    item->setIcon(0, TreeItemIcon(image, state));
    // A screen reader hears what the pictures show.
    item->setData(
        0, Qt::AccessibleTextRole,
        Shown(SpokenTreeItem(item->data(0, kBytesRole).toByteArray().toStdString(), image, state)));
}
