#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tree/TreeSink.h"

// A tree held in memory, for the tests and the command-line tool.
class MemoryTree : public TreeSink {
public:
    struct Item {
        const Item* m_pParent = nullptr;
        std::string m_strText;
        int m_nImage = kImageDefault;
        int m_nState = kStateNone;
        bool m_bExpanded = false;
        std::vector<const Item*> m_children;
    };

    TreeItem InsertItem(TreeItem parent, const std::string& text) override;
    void DeleteAllItems() override;
    void SetItemText(TreeItem item, const std::string& text) override;
    std::string ItemText(TreeItem item) const override;
    void SetItemImage(TreeItem item, int image) override;
    void SetItemState(TreeItem item, int stateImage) override;
    void Expand(TreeItem item) override;
    void SelectItem(TreeItem item) override;
    TreeItem SelectedItem() const override { return m_selected; }
    TreeItem ParentItem(TreeItem item) const override;
    TreeItem RootItem() const override;

    const Item& Get(TreeItem item) const { return *static_cast<const Item*>(item); }
    const std::vector<const Item*>& TopLevel() const { return m_topLevel; }
    size_t ItemCount() const { return m_items.size(); }

private:
    Item& Edit(TreeItem item) { return *const_cast<Item*>(static_cast<const Item*>(item)); }

    std::vector<std::unique_ptr<Item>> m_items;
    std::vector<const Item*> m_topLevel;
    TreeItem m_selected = nullptr;
};
