#pragma once

#include <QWidget>
#include <string>

#include "model/PageKind.h"
#include "model/TreeItem.h"
#include "pages/widgets/PageContext.h"

class QLabel;
class QVBoxLayout;

// The base of every right-hand page: the title at the top, the page's own
// controls in the body, and the colour key at the foot. The window makes a
// fresh page for every tree selection and loads it from the selected item.
class CBaseForm : public QWidget {
    Q_OBJECT
public:
    CBaseForm(PageContext& ctx, PageKind kind, QWidget* parent = nullptr);

    PageKind Kind() const { return m_kind; }

    // Applies the page's current selection to the node whose tree item is `node`.
    virtual void ApplySelection(TreeItem node) = 0;
    // With `apply` set, applies the page to `node`; returns 0.
    virtual int UpdateNode(TreeItem node, bool apply) = 0;
    // Fills the page for the tree item `node` (null for the progress page).
    virtual void LoadNode(TreeItem node) = 0;

    // Redraws what the page shows of the model after a tree-wide change.
    virtual void RefreshPage() {}
    // The control that takes the focus when the user goes into the page; null
    // for the first control in the tab order.
    virtual QWidget* FocusTarget() const { return nullptr; }
    // The progress bar of a page that has one, 0 to 100.
    virtual void SetProgress(int) {}
    // The line of the transfer under way and the time it has taken (empty
    // when the line is not timed); only the progress page shows them.
    virtual void SetTransferLine(const QString&, const QString&) {}

    QLabel* TitleLabel() const { return m_pTitle; }

    // False once the configuration has changed other than by this page's own
    // edits (an import, Undo, a read, ...): what the page shows is then no
    // longer what the configuration holds, and the window shows it anew.
    bool ShowsModel() const { return m_nShownRevision == m_ctx.m_main.m_history.Revision(); }

protected:
    // Where a page puts its own controls, between the title and the key.
    QVBoxLayout* Body() const { return m_pBody; }
    // Shows the title in the shared title font.
    void ApplyTitleFont();
    // After an edit of the configuration: one step of the edit history, named
    // `label`, made at the selected tree item. A typed field records every
    // keystroke with `typing` and ends the step when it is committed.
    void RecordEdit(const std::string& label, bool typing = false);

    PageContext& m_ctx;

private:
    PageKind m_kind;
    // The edit history's revision the page was loaded at or last edited to.
    size_t m_nShownRevision;
    QLabel* m_pTitle;
    QVBoxLayout* m_pBody;
};
