#include "lang/ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include "model/Translate.h"

namespace {

// The file names a language may have, most particular first: "de-CH" is
// zrtpro_de_CH.qm, else zrtpro_de.qm.
QStringList NamesOf(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    return base == name ? QStringList{name} : QStringList{name, base};
}

bool IsSourceLanguage(const QString& uiLanguage) {
    const QString base = NamesOf(uiLanguage).back();
    return base == QLatin1String("en") || base == QLatin1String("C");
}

bool LoadFrom(QTranslator& translator, const QString& file, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (QFileInfo(path).isFile() && translator.load(path)) return true;
    }
    return false;
}

// The folder of the running program, read without an application object.
QString ProgramDir() {
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
}

}  // namespace

ProgramLanguage::ProgramLanguage()
    : ProgramLanguage(QLocale::system().uiLanguages(), Folders(ProgramDir())) {}

ProgramLanguage::ProgramLanguage(const QStringList& uiLanguages, const QStringList& folders) {
    for (const QString& name : LanguageNames(uiLanguages)) {
        if (!LoadFrom(m_program, QStringLiteral("zrtpro_%1.qm").arg(name), folders)) continue;
        m_strLanguage = name;
        break;
    }
    if (m_strLanguage.isEmpty()) return;
    const QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& name : NamesOf(m_strLanguage)) {
        m_bQt = LoadFrom(m_qt, QStringLiteral("qtbase_%1.qm").arg(name), qtFolders);
        if (m_bQt) break;
    }
    SetTextTranslator([this](const char* context, const char* source) {
        return m_program.translate(context, source).toUtf8().toStdString();
    });
}

ProgramLanguage::~ProgramLanguage() {
    if (!m_strLanguage.isEmpty()) SetTextTranslator({});
}

QStringList ProgramLanguage::LanguageNames(const QStringList& uiLanguages) {
    QStringList names;
    for (const QString& uiLanguage : uiLanguages) {
        const QStringList own = NamesOf(uiLanguage);
        if (!IsSourceLanguage(uiLanguage)) {
            names << own;
            continue;
        }
        // English as written ends the list; a particular kind of it (the
        // pseudo-language en_XA) may still have its own file.
        names << own.mid(0, own.size() - 1);
        break;
    }
    return names;
}

QStringList ProgramLanguage::Folders(const QString& programDir) {
    const QDir dir(programDir);
    // ZRT_DATADIR_FROM_BINDIR is the data folder seen from the installed
    // program's folder ("../share" for the usual prefixes), set by the build.
    return {dir.filePath(QStringLiteral("translations")),
            QDir::cleanPath(dir.filePath(
                QStringLiteral(ZRT_DATADIR_FROM_BINDIR "/nexil-zrtpro/translations")))};
}

void ProgramLanguage::InstallInApplication() {
    if (m_bQt) QCoreApplication::installTranslator(&m_qt);
    if (!m_strLanguage.isEmpty()) QCoreApplication::installTranslator(&m_program);
}
