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
// report. A click on a row gives the input that row's number at once; the arrow
// keys move the highlight, and Enter or Space gives the highlighted number.
class CZRTForm : public CBaseForm {
    Q_OBJECT
public:
    explicit CZRTForm(PageContext& ctx, QWidget* parent = nullptr);

    void ApplySelection(TreeItem node) override;
    int UpdateNode(TreeItem node, bool apply) override;
    void LoadNode(TreeItem node) override;
    // After numbers changed elsewhere (Reset All): the input's current number,
    // Reset to Original, the list and the report follow.
    void RefreshPage() override;

    QTreeWidget* ArchList() const { return m_pList; }
    QWidget* FocusTarget() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList(int column, bool ascending);
    // Highlights the selected input's current number and scrolls it into view.
    void HighlightCurrentArch();
    void ShowCurrentArch();
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
    bool m_bLoaded = false;
};
