#include "app/HelpPageLocation.h"

#include <QDir>
#include <QFileInfo>

#include "lang/ProgramLanguage.h"

QString FindHelpPage(const QString& programDir, const QStringList& uiLanguages) {
    const QDir dir(programDir);
    // ZRT_DATADIR_FROM_BINDIR is the data folder seen from the installed
    // program's folder ("../share" for the usual prefixes), set by the build.
    const QStringList folders = {
        dir.filePath("help"), QDir::cleanPath(dir.filePath(
                                  QStringLiteral(ZRT_DATADIR_FROM_BINDIR "/nexil-zrtpro/help")))};
    QStringList pages;
    for (const QString& name : ProgramLanguage::LanguageNames(uiLanguages))
        pages << QStringLiteral("zrtindex_%1.htm").arg(name);
    pages << QStringLiteral("zrtindex.htm");
    for (const QString& page : pages)
        for (const QString& folder : folders)
            if (const QString path = QDir(folder).filePath(page); QFileInfo(path).isFile())
                return path;
    return dir.filePath("help/zrtindex.htm");
}
