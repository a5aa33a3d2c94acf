#pragma once

#include <QTextBrowser>

// The help page in a window of the program, for a desktop where no browser
// can be started, centred over the main window; Esc or Ctrl+W closes it.
// Links to other sites still go to the desktop's opener.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // Shows the page at `path` and brings the window to the front.
    void ShowPage(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
