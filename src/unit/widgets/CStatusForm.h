#pragma once

#include "pages/widgets/CBaseForm.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The page that fills the right pane while the unit is read or written: a
// progress bar, a request to wait, and Cancel (or Esc), which asks the
// transfer to stop after the message now on the line.
class CStatusForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CStatusForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
    void SetProgress(int percent) override;

    int Progress() const;
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    void RequestCancel();

    QProgressBar* m_pProgress;
    QLabel* m_pWait;
    QPushButton* m_pCancel;
};
