#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

// One running program per user: the first start listens under the instance
// name; a later start finds it there, asks it to come forward and exits.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);

    // "ZRTProInst" and the user's name.
    static QString DefaultName();

    // True when a running instance answered; it has been asked to come forward.
    bool ActivateRunning();
    // Takes the name for this process; false when that is impossible.
    bool Listen();

    // What this instance does when a later start asks it to come forward.
    std::function<void()> m_activate;

private:
    QString m_strName;
    QLocalServer* m_pServer = nullptr;
};
