#include "app/HelpCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/AboutDlg.h"
#include "app/CMainFrame.h"
#include "model/CommandIds.h"

HelpCommandGroup::HelpCommandGroup(CMainFrame& frame)
    : CommandGroup(&frame),
      m_strHelpPath(QDir(QCoreApplication::applicationDirPath()).filePath("help/zrtindex.htm")),
      m_frame(frame) {
    m_showAbout = [this] {
        AboutDlg dialog(&m_frame);
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
    if (QFileInfo(m_strHelpPath).isFile() && m_openFile(m_strHelpPath)) return;
    About();
}
