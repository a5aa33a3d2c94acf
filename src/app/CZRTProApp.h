#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "model/CZRTProDoc.h"

class CMainFrame;
class QtProfile;
class SingleInstance;
class Profile;

// The program: one document, one main window, one running instance per user.
class CZRTProApp {
public:
    // `profile` null: the user's own profile.
    explicit CZRTProApp(const QString& instanceName, Profile* profile = nullptr);
    ~CZRTProApp();

    // The start-up: refuses a second instance, opens the file named on the
    // command line, shows the main window and the start-up picture for
    // `splashMs` (none for 0), then queues the tree's start-up command.
    // False when the process is to end without a window.
    bool InitInstance(const QStringList& arguments, int splashMs = 4000);

    // Runs on the main window as soon as it exists, before any file is
    // opened; tests answer the window's dialogs through it.
    std::function<void(CMainFrame&)> m_prepareFrame;

    CZRTProDoc& Doc() { return m_doc; }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

private:
    void BringForward();

    QString m_strInstanceName;
    std::unique_ptr<QtProfile> m_pOwnProfile;
    Profile* m_pProfile;
    CZRTProDoc m_doc;
    std::unique_ptr<SingleInstance> m_pInstance;
    std::unique_ptr<CMainFrame> m_pFrame;
};
