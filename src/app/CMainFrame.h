#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "document/DocumentOps.h"
#include "document/MainState.h"
#include "model/CZRTProDoc.h"
#include "model/PageKind.h"
#include "pages/widgets/PageContext.h"

class CBaseForm;
class CommandGroup;
class DocumentCommandGroup;
class CLeftTreeView;
class QtPrompter;
class UnitCommandGroup;
class WizardDialog;
class QtProcessRunner;
class QAction;
class QLabel;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolBar;

// The main window: menu, toolbar, status bar, and the splitter with the tree
// on the left and the page of the selected node on the right. The commands
// live in groups kept by their subsystems; the window only dispatches.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CZRTProDoc& doc, Profile& profile, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CZRTProDoc& Doc() { return m_doc; }
    MainState& State() { return m_state; }
    CLeftTreeView& Tree() { return *m_pTree; }
    QtPrompter& Prompter() { return *m_pPrompter; }
    Profile& UserProfile() { return m_profile; }
    DocumentContext DocContext();
    PageContext& Pages() { return m_pageContext; }
    DocumentCommandGroup& Documents() { return *m_pDocuments; }

    QAction* Action(int command) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QSplitter* Splitter() const { return m_pSplitter; }
    // The page or start view shown beside the tree.
    QWidget* RightPane() const;

    // Replaces the right-hand page by a fresh page of `kind` loaded from `item`.
    // While busy, the progress page stays. Returns the page shown, or null.
    CBaseForm* ShowPage(PageKind kind, TreeItem item);
    CBaseForm* CurrentPage() const { return m_pPage; }
    PageKind CurrentPageKind() const;

    // The first status bar pane.
    void SetStatusText(const QString& text);
    QString StatusText() const;
    QString ModifiedPaneText() const;

    // Refreshes the enabled and checked state of every command and the
    // "Modified" pane, as the menu and toolbar show them.
    void UpdateCommands();
    // The window title follows the document's title.
    void UpdateTitle();

    // The setup wizard of File > New and of the start-up command.
    WizardDialog& Wizard() { return *m_pWizard; }

    // The tree column's width, as the splitter shows it and as the profile keeps it.
    int TreeWidth() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateStatusBar();
    void CreateSplitter();
    static QScrollArea* Scrolled(QWidget* page);
    void ApplySavedTreeWidth();
    void OnTreeSelection(TreeItem item);
    void FocusNextPane();

    CZRTProDoc& m_doc;
    Profile& m_profile;
    MainState m_state;
    std::unique_ptr<QtPrompter> m_pPrompter;
    std::unique_ptr<QtProcessRunner> m_pProcesses;
    CLeftTreeView* m_pTree = nullptr;
    PageContext m_pageContext;
    QSplitter* m_pSplitter = nullptr;
    CBaseForm* m_pPage = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pStatusText = nullptr;
    QLabel* m_pModifiedPane = nullptr;
    QTimer* m_pIdleTimer = nullptr;
    std::map<int, QAction*> m_actions;
    std::vector<CommandGroup*> m_groups;
    DocumentCommandGroup* m_pDocuments = nullptr;
    UnitCommandGroup* m_pUnits = nullptr;
    std::unique_ptr<WizardDialog> m_pWizard;
};
