#pragma once

#include "pages/widgets/CBaseForm.h"

// The page of the system's root item: the title and the key only.
class testview : public CBaseForm {
    Q_OBJECT
public:
    explicit testview(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
};
