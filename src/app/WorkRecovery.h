#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "document/RecoveryFile.h"
#include "document/RecoveryFolder.h"

class CMainFrame;

// The window's unsaved work in a recovery file of its own in the program's
// data folder, locked while the window runs: work other windows left behind
// (crashed or killed) is offered back at start, one file after the other, and
// the live work of windows still running is never touched. From Start on the
// window's own file follows every change, each second.
class WorkRecovery : public QObject {
public:
    explicit WorkRecovery(CMainFrame& frame);

    // Asks about work runs left behind; true when one is back in the window
    // (its file then goes, the work now kept in this window's own).
    bool Offer();
    // From now on the file follows the document.
    void Start();
    // The window closed after its questions: the work was saved or left.
    void Left();

    const std::string& Path() const { return m_keeper.Path(); }

private:
    static std::string Folder();

    CMainFrame& m_frame;
    std::string m_strFolder;
    RecoveryKeeper m_keeper;
    // Held while the window runs; a process that ends lets go of it.
    std::optional<RecoveryLock> m_lock;
    QTimer m_timer;
};
