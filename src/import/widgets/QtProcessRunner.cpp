#include "import/widgets/QtProcessRunner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>
#include <optional>

#include "import/widgets/ImportWidgetMessages.h"
#include "model/ShownText.h"

namespace {

using Ending = ProcessOutcome::Ending;

// The busy cursor and the status text for as long as the run lasts.
class BusyShown {
public:
    BusyShown(QWidget* owner, const std::string& text) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (auto* main = owner ? qobject_cast<QMainWindow*>(owner->window()) : nullptr)
            m_pStatusBar = main->statusBar();
        if (m_pStatusBar) m_pStatusBar->showMessage(QString::fromStdString(TextAsUtf8(text)));
    }
    ~BusyShown() {
        if (m_pStatusBar) m_pStatusBar->clearMessage();
        QApplication::restoreOverrideCursor();
    }
    BusyShown(const BusyShown&) = delete;
    BusyShown& operator=(const BusyShown&) = delete;

private:
    QStatusBar* m_pStatusBar = nullptr;
};

}  // namespace

QtProcessRunner::QtProcessRunner(QWidget* owner) : m_pOwner(owner) {}

ProcessOutcome QtProcessRunner::Run(const ProcessCall& call) {
    ProcessOutcome outcome;
    const BusyShown busy(m_pOwner, call.m_strWaitText);
    QProcess process;
    QEventLoop loop;
    QByteArray output;
    bool ended = false;
    // Set when the program decides how the run ends (time-out, bound, cancel).
    std::optional<Ending> stopped;
    const auto stop = [&](Ending why) {
        if (ended || stopped) return;
        stopped = why;
        process.kill();
    };

    QObject::connect(&process, &QProcess::readyReadStandardOutput, [&] {
        output += process.read(static_cast<qint64>(call.m_nMostBytes) + 1 - output.size());
        if (static_cast<size_t>(output.size()) > call.m_nMostBytes) stop(Ending::TooLong);
    });
    QObject::connect(&process, &QProcess::finished, [&](int code, QProcess::ExitStatus status) {
        output += process.read(static_cast<qint64>(call.m_nMostBytes) + 1 - output.size());
        if (!stopped && static_cast<size_t>(output.size()) > call.m_nMostBytes)
            stopped = Ending::TooLong;
        outcome.m_ending = status == QProcess::NormalExit ? Ending::Exited : Ending::Crashed;
        outcome.m_nExitCode = code;
        ended = true;
        loop.quit();
    });
    QObject::connect(&process, &QProcess::errorOccurred, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        outcome.m_ending = Ending::NotStarted;
        ended = true;
        loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] { stop(Ending::TimedOut); });
    limit.start(call.m_limit);

    QStringList arguments;
    for (const std::string& argument : call.m_args)
        arguments << QFile::decodeName(QByteArray::fromStdString(argument));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QFile::decodeName(QByteArray::fromStdString(call.m_strProgram)), arguments,
                  QIODevice::ReadOnly);

    // A short run shows nothing but the busy cursor, and takes no clicks meanwhile.
    QTimer::singleShot(kDialogDelayMs, &loop, &QEventLoop::quit);
    if (!ended) loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!ended) {
        QWidget* parent = QApplication::activeModalWidget();
        QProgressDialog dialog(
            QString::fromStdString(TextAsUtf8(call.m_strWaitText)),
            QCoreApplication::translate("ImportWidgets", ImportWidgetMessages::kCancelRead), 0, 0,
            parent ? parent : m_pOwner);
        dialog.setObjectName("HelperProgressDialog");
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setMinimumDuration(0);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        // Cancel, the close box and Esc (which rejects the dialog even before
        // it is the active window) all end the helper.
        QObject::connect(&dialog, &QProgressDialog::canceled, [&] { stop(Ending::Cancelled); });
        QObject::connect(&dialog, &QDialog::rejected, [&] { stop(Ending::Cancelled); });
        dialog.show();
        while (!ended) loop.exec();
    }
    if (stopped) outcome.m_ending = *stopped;
    if (outcome.m_ending != Ending::Exited) outcome.m_nExitCode = -1;
    output.truncate(static_cast<qsizetype>(call.m_nMostBytes));
    outcome.m_strOutput.assign(output.constData(), static_cast<size_t>(output.size()));
    return outcome;
}
