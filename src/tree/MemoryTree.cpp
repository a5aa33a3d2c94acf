#include "tree/MemoryTree.h"

TreeItem MemoryTree::InsertItem(TreeItem parent, const std::string& text) {
    auto item = std::make_unique<Item>();
    item->m_pParent = static_cast<const Item*>(parent);
    item->m_strText = text;
    const Item* handle = item.get();
    m_items.push_back(std::move(item));
    if (parent)
        Edit(parent).m_children.push_back(handle);
    else
        m_topLevel.push_back(handle);
    return handle;
}

void MemoryTree::DeleteAllItems() {
    m_topLevel.clear();
    m_items.clear();
    m_selected = nullptr;
}

void MemoryTree::SetItemText(TreeItem item, const std::string& text) {
    Edit(item).m_strText = text;
}

std::string MemoryTree::ItemText(TreeItem item) const { return Get(item).m_strText; }

void MemoryTree::SetItemImage(TreeItem item, int image) { Edit(item).m_nImage = image; }

void MemoryTree::SetItemState(TreeItem item, int stateImage) { Edit(item).m_nState = stateImage; }

void MemoryTree::Expand(TreeItem item) { Edit(item).m_bExpanded = true; }

void MemoryTree::SelectItem(TreeItem item) { m_selected = item; }

TreeItem MemoryTree::ParentItem(TreeItem item) const { return Get(item).m_pParent; }

TreeItem MemoryTree::RootItem() const { return m_topLevel.empty() ? nullptr : m_topLevel.front(); }
