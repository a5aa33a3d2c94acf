#pragma once

#include "pages/widgets/CBaseForm.h"

// The page of a master port that carries a camera interface unit: it only
// tells the user to open the port's branch.
class CInfoForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CInfoForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
};
