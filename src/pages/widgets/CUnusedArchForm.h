#pragma once

#include "pages/widgets/CBaseForm.h"

// The page of an input that has no Arch Number yet; it explains non-pageable
// numbers and edits nothing.
class CUnusedArchForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CUnusedArchForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
};
