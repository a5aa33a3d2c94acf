#pragma once

#include <QString>
#include <functional>

#include "window/CommandGroup.h"

class CMainFrame;

// Help > About and Help > Index (F1). The help page lives in help/ beside
// the program; when it is missing or nothing can show it, About appears.
class HelpCommandGroup : public CommandGroup {
public:
    explicit HelpCommandGroup(CMainFrame& frame);

    void UpdateCommands() override {}

    void About();
    void HelpIndex();

    // The page F1 opens; beside the program unless set otherwise.
    QString m_strHelpPath;
    // Shows the About dialog; tests look at the call instead of a modal dialog.
    std::function<void()> m_showAbout;
    // Asks the desktop to show a local file; false when it cannot.
    std::function<bool(const QString&)> m_openFile;

private:
    CMainFrame& m_frame;
};
