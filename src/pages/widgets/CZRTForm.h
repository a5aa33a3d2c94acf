#pragma once

#include <QIcon>
#include <array>
#include <vector>

#include "pages/ArchList.h"
#include "pages/widgets/CBaseForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The page of a video input: every Arch Number the configuration knows, the
// input's current number, Reset to Original, the edit dialog, and the conflict
// report. A click on a row gives the input that row's number at once.
class CZRTForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CZRTForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem node) override;
    int UpdateNode(TreeItem node, bool apply) override;
    void LoadNode(TreeItem node) override;
    void RefreshPage() override { RefreshReport(); }

    QTreeWidget* ArchList() const { return m_pList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList(int column, bool ascending);
    void RefreshReport();
    void OnListClicked();
    void OnHeaderClicked(int column);
    void OnReset();
    void OnCurrentArchChanged();
    void OnEdit();
    void OnCurrentItemOnlyClicked();

    QTreeWidget* m_pList;
    QLineEdit* m_pCurrentArch;
    QPushButton* m_pReset;
    QPushButton* m_pEdit;
    QPlainTextEdit* m_pReport;
    QLabel* m_pConflictsExist;
    QCheckBox* m_pCurrentItemOnly;
    const QIcon& RowIcon(const ArchRow& row);

    std::vector<ArchRow> m_rows;
    std::array<QIcon, 8> m_icons;  // drawn once each: a refill asks for hundreds
    int m_nLastRow = 0;
    bool m_bLoaded = false;
};
