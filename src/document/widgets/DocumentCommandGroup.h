#pragma once

#include <QString>

#include "model/RecentFiles.h"
#include "window/CommandGroup.h"

class MainWindow;
class WizardDialog;

// File > New, Open, Save, Save As, the recent files and Exit: the document's
// own commands, run through the core's document operations.
class DocumentCommandGroup : public CommandGroup {
public:
    DocumentCommandGroup(MainWindow& frame, WizardDialog& wizard);

    void UpdateCommands() override;

    // Open a file as File > Open does once the file is chosen (also dropped files).
    bool OpenFile(const QString& path);
    // The file named on the command line.
    bool OpenAtStart(const QString& path);

    void New();
    // The start-up command's wizard, while the tree is empty.
    void StartupWizard();
    void Open();
    bool Save();
    bool SaveAs();
    void OpenRecent(int index);

    // Every save adds to it (DocumentContext), also one inside another command.
    RecentFiles& Recent() { return m_recent; }

private:
    bool Opened(const std::string& path, bool ok);
    void WizardDone(const std::string& pathBefore);
    void RefreshRecentMenu();

    MainWindow& m_frame;
    WizardDialog& m_wizard;
    RecentFiles m_recent;
};
