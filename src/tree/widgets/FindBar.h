#pragma once

#include <QWidget>

#include "model/CZRTProDoc.h"
#include "tree/FindInput.h"

class CLeftTreeView;
class QLabel;
class QLineEdit;

// The find bar above the tree. Typing an Arch Number or part of a name
// selects the first matching input after the current one, which shows its
// page while the focus stays in the text; Enter or F3 goes to the next match,
// Shift+F3 to the previous, and Esc closes the bar, keeping the selection.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(CZRTProDoc& doc, CLeftTreeView& tree, QWidget* parent = nullptr);

    // Shows the bar with the focus and its text selected; the next search
    // starts after the input selected now.
    void Open();
    // Hides the bar and gives the focus back to the tree.
    void Close();
    void FindNext();
    void FindPrevious();

private:
    // Selects the match `from` node; returns its node, or -1 when none.
    int Search(int node, FindFrom from);
    void Step(FindFrom from);
    void OnTreeSelection(TreeItem item);

    CZRTProDoc& m_doc;
    CLeftTreeView& m_tree;
    QLineEdit* m_pText = nullptr;
    QLabel* m_pSummary = nullptr;
    // Where typing looks from: after the input selected when the search began,
    // or at the match F3 or Shift+F3 went to.
    int m_nFromNode = -1;
    FindFrom m_from = FindFrom::After;
    bool m_bSelecting = false;
};
