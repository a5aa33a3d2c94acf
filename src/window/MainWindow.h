#pragma once

#include <QString>

#include "document/DocumentOps.h"
#include "document/MainState.h"
#include "model/CZRTProDoc.h"
#include "model/PageKind.h"
#include "model/Profile.h"
#include "tree/TreeSink.h"

class QtPrompter;
class QAction;
class QMainWindow;
class QSplitter;
class QWidget;

// The main window as the subsystems' command groups see it: its commands,
// the document and unit state, the tree, the prompter and the page beside the
// tree. The application's main window implements it; a test can fake it.
class MainWindow {
public:
    virtual ~MainWindow() = default;

    // The window itself: the owner of dialogs, its status bar and flags.
    virtual QMainWindow& Window() = 0;
    virtual QAction* Action(int command) const = 0;
    virtual CZRTProDoc& Doc() = 0;
    virtual MainState& State() = 0;
    virtual TreeSink& Tree() = 0;
    virtual QtPrompter& Prompter() = 0;
    virtual Profile& UserProfile() = 0;
    virtual DocumentContext DocContext() = 0;
    virtual QSplitter* Splitter() const = 0;

    // Refreshes the enabled and checked state of every command.
    virtual void UpdateCommands() = 0;
    // The first status bar pane.
    virtual void SetStatusText(const QString& text) = 0;

    // The page beside the tree, and the control of it that takes the focus.
    virtual QWidget* CurrentPage() const = 0;
    virtual QWidget* PageFocusTarget() const = 0;
    virtual PageKind CurrentPageKind() const = 0;
    // Replaces the page beside the tree by a fresh page of `kind` loaded from `item`.
    virtual QWidget* ShowPage(PageKind kind, TreeItem item) = 0;
    // Shows the page of the tree item selected.
    virtual void ShowSelectedPage() = 0;
    // The page shown follows numbers changed elsewhere.
    virtual void RefreshPage() = 0;
};
