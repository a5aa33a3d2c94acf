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

    // The socket "ZRTProInst" and the user id, in a folder only the user may
    // enter: the user's runtime folder ($XDG_RUNTIME_DIR), else a folder of
    // the program's own in the temporary folder, made 0700. Another local user
    // can neither take the name nor reach the socket. Empty when no such
    // folder can be had.
    static QString DefaultName();

    // True when a running instance answered; it has been asked to come forward
    // and, when `file` is not empty, to open that file.
    bool ActivateRunning(const QString& file = {});
    // Takes the name for this process; false when that is impossible.
    bool Listen();

    // What this instance does when a later start asks it to come forward; the
    // file the later start was given, or empty.
    std::function<void(const QString& file)> m_activate;

private:
    QString m_strName;
    QLocalServer* m_pServer = nullptr;
};
