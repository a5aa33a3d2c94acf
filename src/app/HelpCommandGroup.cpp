#include "app/HelpCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QUrl>

#include "app/AboutDlg.h"
#include "app/HelpPageLocation.h"
#include "app/HelpWindow.h"
#include "model/CommandIds.h"
#include "window/MainWindow.h"

HelpCommandGroup::HelpCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()),
      m_strHelpPath(
          FindHelpPage(QCoreApplication::applicationDirPath(), QLocale::system().uiLanguages())),
      m_frame(frame) {
    m_showAbout = [this] {
        AboutDlg dialog(&m_frame.Window());
        dialog.exec();
    };
    m_openFile = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    connect(frame.Action(kCmdAbout), &QAction::triggered, this, [this] { About(); });
    connect(frame.Action(kCmdHelpIndex), &QAction::triggered, this, [this] { HelpIndex(); });
}

void HelpCommandGroup::About() { m_showAbout(); }

void HelpCommandGroup::HelpIndex() {
    // The desktop's opener reports success as soon as it starts, even for a
    // file that is not there, so the file is looked for first.
    if (!QFileInfo(m_strHelpPath).isFile()) {
        About();
        return;
    }
    if (!m_openFile(m_strHelpPath)) ShowHelpWindow();
}

void HelpCommandGroup::ShowHelpWindow() {
    if (!m_pHelpWindow) m_pHelpWindow = new HelpWindow(&m_frame.Window());
    m_pHelpWindow->ShowPage(m_strHelpPath);
}
