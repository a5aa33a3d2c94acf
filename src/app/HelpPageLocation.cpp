#include "app/HelpPageLocation.h"

#include <QDir>
#include <QFileInfo>

QString FindHelpPage(const QString& programDir) {
    const QDir dir(programDir);
    const QString besideProgram = dir.filePath("help/zrtindex.htm");
    // ZRT_DATADIR_FROM_BINDIR is the data folder seen from the installed
    // program's folder ("../share" for the usual prefixes), set by the build.
    const QString installed = QDir::cleanPath(
        dir.filePath(QStringLiteral(ZRT_DATADIR_FROM_BINDIR "/nexil-zrtpro/help/zrtindex.htm")));
    for (const QString& path : {besideProgram, installed})
        if (QFileInfo(path).isFile()) return path;
    return besideProgram;
}
