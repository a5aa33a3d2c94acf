#pragma once

#include "pages/widgets/CBaseForm.h"

// The frame of an editing page whose controls this build does not have yet:
// title and key only, under the page's own kind so that the commands that
// depend on the shown page behave as they will with the full page.
class CPageFrame : public CBaseForm {
    Q_OBJECT
public:
    CPageFrame(PageContext& ctx, PageKind kind, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
};
