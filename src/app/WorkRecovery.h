#pragma once

#include <QObject>
#include <QTimer>

#include "document/RecoveryFile.h"

class CMainFrame;

// The window's unsaved work in the recovery file of the program's data
// folder: offered back at start after a run that ended without its
// questions, then kept in step with every change, each second.
class WorkRecovery : public QObject {
public:
    explicit WorkRecovery(CMainFrame& frame);

    // Asks about work a run left behind; true when it is back in the window.
    bool Offer();
    // From now on the file follows the document.
    void Start();
    // The window closed after its questions: the work was saved or left.
    void Left();

    const std::string& Path() const { return m_keeper.Path(); }

private:
    static std::string DefaultPath();

    CMainFrame& m_frame;
    RecoveryKeeper m_keeper;
    QTimer m_timer;
};
