#include "app/WorkRecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/CMainFrame.h"

namespace {

constexpr int kKeepEveryMs = 1000;

}  // namespace

WorkRecovery::WorkRecovery(CMainFrame& frame)
    : QObject(&frame),
      m_frame(frame),
      m_strFolder(Folder()),
      m_keeper(OwnRecoveryPath(m_strFolder, QCoreApplication::applicationPid(),
                               QDateTime::currentMSecsSinceEpoch())),
      m_lock(RecoveryLock::Take(m_keeper.Path())) {
    m_timer.setInterval(kKeepEveryMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // Without its lock the file could be taken for work left behind.
        if (m_lock)
            m_keeper.Update(m_frame.Doc(), m_frame.State().m_bBusy,
                            QDateTime::currentSecsSinceEpoch());
    });
}

std::string WorkRecovery::Folder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QFile::encodeName(folder).toStdString();
}

bool WorkRecovery::Offer() {
    for (const std::string& path : RecoveryFiles(m_strFolder, m_keeper.Path())) {
        // A file whose lock another holds is a running window's work.
        std::optional<RecoveryLock> lock = RecoveryLock::Take(path);
        if (!lock) continue;
        const auto record = ReadRecovery(path);
        if (!record) continue;
        if (m_frame.Prompter().Message(RecoveryQuestion(*record), PromptButtons::RecoverDiscard,
                                       PromptIcon::Question) != PromptAnswer::Yes) {
            lock->RemoveAndRelease();
            continue;
        }
        DocumentContext ctx = m_frame.DocContext();
        if (!RecoverWork(ctx, *record)) continue;
        // Kept in this window's own file before the one left behind goes.
        if (m_lock) m_keeper.Update(m_frame.Doc(), false, QDateTime::currentSecsSinceEpoch());
        lock->RemoveAndRelease();
        m_frame.ShowSelectedPage();
        m_frame.UpdateCommands();
        return true;
    }
    return false;
}

void WorkRecovery::Start() { m_timer.start(); }

void WorkRecovery::Left() {
    m_timer.stop();
    m_keeper.Remove();
    if (m_lock) m_lock->RemoveAndRelease();
    m_lock.reset();
}
