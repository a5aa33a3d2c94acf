#pragma once

#include <QTreeWidget>
#include <functional>

#include "tree/TreeSink.h"

// The configuration tree in the left pane. The core draws it through TreeSink;
// a selection change asks the window to show the selected node's page.
class CLeftTreeView : public QTreeWidget, public TreeSink {
    Q_OBJECT
public:
    explicit CLeftTreeView(QWidget* parent = nullptr);

    TreeItem InsertItem(TreeItem parent, const std::string& text) override;
    void DeleteAllItems() override;
    void SetItemText(TreeItem item, const std::string& text) override;
    std::string ItemText(TreeItem item) const override;
    void SetItemImage(TreeItem item, int image) override;
    void SetItemState(TreeItem item, int stateImage) override;
    void Expand(TreeItem item) override;
    void SelectItem(TreeItem item) override;
    TreeItem SelectedItem() const override;
    TreeItem ParentItem(TreeItem item) const override;
    TreeItem RootItem() const override;

    int ItemImage(TreeItem item) const;
    int ItemState(TreeItem item) const;
    static QTreeWidgetItem* ToWidgetItem(TreeItem item);

    // The start-up command: runs the setup wizard while the tree is empty.
    void RunWizardCommand();
    // What the start-up command runs; set by whoever owns the wizard.
    std::function<void()> m_runWizard;

    // True while a mouse click changes the selection: the page it opens may
    // take the focus. Walking the tree with the keys keeps the focus here.
    bool SelectingWithMouse() const { return m_bMouseSelecting; }

signals:
    void ItemSelected(TreeItem item);
    // Enter on an item: the user goes into its page.
    void EnterPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Draws the item's pictures and says them to a screen reader.
    void Redraw(QTreeWidgetItem* item);

    bool m_bMouseSelecting = false;
};
