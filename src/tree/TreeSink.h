#pragma once

#include <string>

#include "model/TreeItem.h"

// Pictures of the tree's normal image list.
inline constexpr int kImageDefault = 0;
inline constexpr int kImagePageable = 1;
inline constexpr int kImageNonPageable = 2;
inline constexpr int kImageRoot = 3;
inline constexpr int kImageSettings = 4;
inline constexpr int kImageIdleLoop = 5;
inline constexpr int kImageCiuPort = 6;

// Pictures of the state image list; 0 draws no state picture.
inline constexpr int kStateNone = 0;
inline constexpr int kStateConflict = 1;
inline constexpr int kStateClear = 2;

// The configuration tree as the core draws it. The window's tree view, the
// command-line tool and the tests each implement it.
class TreeSink {
public:
    virtual ~TreeSink() = default;
    // Appends an item at the end of `parent`'s children (null: the top level),
    // with image 0 and no state image.
    virtual TreeItem InsertItem(TreeItem parent, const std::string& text) = 0;
    virtual void DeleteAllItems() = 0;
    virtual void SetItemText(TreeItem item, const std::string& text) = 0;
    virtual std::string ItemText(TreeItem item) const = 0;
    // Sets both the normal and the selected image.
    virtual void SetItemImage(TreeItem item, int image) = 0;
    virtual void SetItemState(TreeItem item, int stateImage) = 0;
    virtual void Expand(TreeItem item) = 0;
    // Selecting an item shows its page in the window.
    virtual void SelectItem(TreeItem item) = 0;
    virtual TreeItem SelectedItem() const = 0;
    virtual TreeItem ParentItem(TreeItem item) const = 0;
    // The first top-level item, or null when the tree is empty.
    virtual TreeItem RootItem() const = 0;
};
