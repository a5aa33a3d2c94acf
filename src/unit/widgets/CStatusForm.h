#pragma once

#include "pages/widgets/CBaseForm.h"

class QProgressBar;

// The page that fills the right pane while the unit is read or written: a
// progress bar and a request to wait. It takes no input.
class CStatusForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CStatusForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
    void SetProgress(int percent) override;

    int Progress() const;

private:
    QProgressBar* m_pProgress;
};
