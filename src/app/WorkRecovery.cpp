#include "app/WorkRecovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/CMainFrame.h"

namespace {

constexpr int kKeepEveryMs = 1000;

}  // namespace

WorkRecovery::WorkRecovery(CMainFrame& frame)
    : QObject(&frame), m_frame(frame), m_keeper(DefaultPath()) {
    m_timer.setInterval(kKeepEveryMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_keeper.Update(m_frame.Doc(), m_frame.State().m_bBusy, QDateTime::currentSecsSinceEpoch());
    });
}

std::string WorkRecovery::DefaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QFile::encodeName(folder + "/" + QString::fromLatin1(kRecoveryFileName)).toStdString();
}

bool WorkRecovery::Offer() {
    const auto record = ReadRecovery(m_keeper.Path());
    if (!record) return false;
    if (m_frame.Prompter().Message(RecoveryQuestion(*record), PromptButtons::RecoverDiscard,
                                   PromptIcon::Question) != PromptAnswer::Yes) {
        m_keeper.Remove();
        return false;
    }
    DocumentContext ctx = m_frame.DocContext();
    if (!RecoverWork(ctx, *record)) return false;
    m_frame.ShowSelectedPage();
    m_frame.UpdateCommands();
    return true;
}

void WorkRecovery::Start() { m_timer.start(); }

void WorkRecovery::Left() {
    m_timer.stop();
    m_keeper.Remove();
}
