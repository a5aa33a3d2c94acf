#include "cli/QtNotices.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler g_previous = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg && type != QtCriticalMsg &&
        message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    if (g_previous) g_previous(type, context, message);
}

}  // namespace

void QuietQtFolderNotices() { g_previous = qInstallMessageHandler(Filter); }
