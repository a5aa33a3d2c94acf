#pragma once

#include "pages/IdleLoopEditor.h"
#include "pages/widgets/CBaseForm.h"

class CIdleListBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The page of the "Idle Loop" node: the inputs' Arch Numbers on the left, the
// idle loop on the right, the delay and the no-video choice. Every change of
// the loop is stored into the document at once.
class CIdleLoopForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CIdleLoopForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem node) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowArchLines();
    void ShowIdleLines();
    void OnAdd();
    void OnRemove();
    void OnAddAll();
    void OnClear();
    void OnDelayChanged();
    void OnNoVideoClicked();
    void OnLineDropped(int from, int before);

    IdleLoopEditor m_editor;
    QListWidget* m_pArchList;
    CIdleListBox* m_pIdleList;
    QCheckBox* m_pNoVideo;
    QLineEdit* m_pDelay;
    QLabel* m_pDelayWarning;
};
