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
#include "pages/widgets/CBaseForm.h"
#include "pages/widgets/PageContext.h"
#include "tree/widgets/CLeftTreeView.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"

class CommandGroup;
class DocumentCommandGroup;
class FindBar;
class UnitCommandGroup;
class WizardDialog;
class TreePaneSizer;
class QtProcessRunner;
class QAction;
class QLabel;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolBar;
class QVBoxLayout;

// The main window: menu, toolbar, status bar, and the splitter with the tree
// on the left and the page of the selected node on the right. The commands
// live in groups kept by their subsystems; the window only dispatches.
class CMainFrame : public QMainWindow, public MainWindow {
    Q_OBJECT
public:
    CMainFrame(CZRTProDoc& doc, Profile& profile, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMainWindow& Window() override { return *this; }
    CZRTProDoc& Doc() override { return m_doc; }
    MainState& State() override { return m_state; }
    CLeftTreeView& Tree() override { return *m_pTree; }
    QtPrompter& Prompter() override { return *m_pPrompter; }
    Profile& UserProfile() override { return m_profile; }
    DocumentContext DocContext() override;
    PageContext& Pages() { return m_pageContext; }
    DocumentCommandGroup& Documents() { return *m_pDocuments; }

    QAction* Action(int command) const override;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QSplitter* Splitter() const override { return m_pSplitter; }
    // The page or start view shown beside the tree.
    QWidget* RightPane() const;

    // Replaces the right-hand page by a fresh page of `kind` loaded from `item`.
    // While busy, the progress page stays. Returns the page shown, or null.
    CBaseForm* ShowPage(PageKind kind, TreeItem item) override;
    CBaseForm* CurrentPage() const override { return m_pPage; }
    void RefreshPage() override;
    // After a change of the configuration the page beside the tree did not
    // make itself: shows the selected item's page anew, from the model.
    void FollowModel();
    // Shows the page of the selected tree item again, from the document as it is now.
    void ShowSelectedPage() override;
    QWidget* PageFocusTarget() const override;
    // Moves the focus into the page beside the tree.
    void FocusPage();
    PageKind CurrentPageKind() const override;

    // The first status bar pane.
    void SetStatusText(const QString& text) override;
    QString StatusText() const;
    QString ModifiedPaneText() const;

    // Refreshes the enabled and checked state of every command and the
    // "Modified" pane, as the menu and toolbar show them.
    void UpdateCommands() override;
    // The window title follows the document's title.
    void UpdateTitle();

    // The setup wizard of File > New and of the start-up command.
    WizardDialog& Wizard() { return *m_pWizard; }

    // The tree column's width, as the splitter shows it and as the profile keeps it.
    int TreeWidth() const;

    // Runs when the window closes after its questions (the work saved or left).
    std::function<void()> m_closed;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateStatusBar();
    void CreateSplitter();
    FindBar* MakeFindBar();
    QScrollArea* Scrolled(QWidget* page) const;
    // The room the screen leaves a page beside the tree and under the menu,
    // toolbar and status bar: below a page's size it scrolls.
    QSize RoomForPage() const;
    void OnTreeSelection(TreeItem item);
    void FocusNextPane();
    QWidget* FirstFocusable() const;

    CZRTProDoc& m_doc;
    Profile& m_profile;
    MainState m_state;
    std::unique_ptr<QtPrompter> m_pPrompter;
    std::unique_ptr<QtProcessRunner> m_pProcesses;
    CLeftTreeView* m_pTree = nullptr;
    QVBoxLayout* m_pTreeLayout = nullptr;
    PageContext m_pageContext;
    QSplitter* m_pSplitter = nullptr;
    TreePaneSizer* m_pTreeSizer = nullptr;
    CBaseForm* m_pPage = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pStatusText = nullptr;
    QLabel* m_pModifiedPane = nullptr;
    QTimer* m_pIdleTimer = nullptr;
    bool m_bFollowPosted = false;
    // The configuration the status text and verify result report on.
    size_t m_nReportedGeneration = 0;
    std::map<int, QAction*> m_actions;
    std::vector<CommandGroup*> m_groups;
    DocumentCommandGroup* m_pDocuments = nullptr;
    UnitCommandGroup* m_pUnits = nullptr;
    std::unique_ptr<WizardDialog> m_pWizard;
};
