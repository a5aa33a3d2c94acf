#pragma once

#include <QPointer>

#include "pages/widgets/CBaseForm.h"

class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;

// The page that fills the right pane while the unit is read or written: a
// progress bar, the line of the stage under way with the time it has taken
// and the time left, a request to wait, and Cancel (or Esc), which asks the
// transfer to stop after the message now on the line. During a write it asks
// first, and the write goes on while the question is open.
class CStatusForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CStatusForm(PageContext& ctx, QWidget* parent = nullptr);
    ~CStatusForm() override;

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem) override { ApplyTitleFont(); }
    void SetProgress(int percent) override;
    void SetTransferLine(const QString& line, const QString& elapsed) override;

    int Progress() const;
    QString LineText() const;
    QString ElapsedText() const;
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    void RequestCancel();
    void ShowStopping();

    QProgressBar* m_pProgress;
    QLabel* m_pLine;
    QLabel* m_pElapsed;
    QLabel* m_pWait;
    QPushButton* m_pCancel;
    // The question of a write, open while the write goes on.
    QPointer<QMessageBox> m_pQuestion;
    bool m_bAsking = false;
};
