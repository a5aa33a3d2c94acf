#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "window/CommandGroup.h"

class MainWindow;
class HelpWindow;

// Help > About and Help > Index (F1). The help page lives in help/ beside the
// program in the build folder, and in share/nexil-zrtpro/help/ once installed.
// The desktop's browser shows it; when none can be started, a window of the
// program does. When the page is missing, About appears.
class HelpCommandGroup : public CommandGroup {
public:
    explicit HelpCommandGroup(MainWindow& frame);

    void UpdateCommands() override {}

    void About();
    void HelpIndex();

    // The page F1 opens; found from the program's folder unless set otherwise.
    QString m_strHelpPath;
    // Shows the About dialog; tests look at the call instead of a modal dialog.
    std::function<void()> m_showAbout;
    // Asks the desktop to show a local file; false when it cannot.
    std::function<bool(const QString&)> m_openFile;

private:
    void ShowHelpWindow();

    MainWindow& m_frame;
    QPointer<HelpWindow> m_pHelpWindow;
};
