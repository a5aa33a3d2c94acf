#pragma once

#include "pages/widgets/CBaseForm.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The page of the "Settings" node: request priority, the Video Out to
// administrator mapping, a new unit password and the clock refresh sources.
class CSettingsForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CSettingsForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem) override {}
    int UpdateNode(TreeItem, bool) override { return 0; }
    void LoadNode(TreeItem node) override;

private:
    void OnMove(bool up);
    void ShowAdminLines(int selected);

    QButtonGroup* m_pPriority;
    QListWidget* m_pAdmin;
    QPushButton* m_pMoveUp;
    QPushButton* m_pMoveDown;
    QLabel* m_pAdminHint;
    QLineEdit* m_pPassword;
    QCheckBox* m_pTimeFromSmdr;
    QCheckBox* m_pTimeFromPc;
};
