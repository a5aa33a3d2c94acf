#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the program speaks, for as long as this object lives: its own
// texts (translations/zrtpro_LANG.qm) in the first of the person's languages
// that has them, and Qt's texts (the standard buttons) in the same language.
// The core's Tr() and the widgets' tr() both follow it.
//
// The person's languages are QLocale::system().uiLanguages(): LANGUAGE, else
// LC_ALL, LC_MESSAGES, LANG. English comes first in the list ("en", "C") or
// no language in it has a translation: every text stays as written. "en_XA"
// is the pseudo-language the build makes (every text longer, with accents),
// for finding texts that are cut or not marked.
class ProgramLanguage {
public:
    // The system's languages, from the running program's folders.
    ProgramLanguage();
    // Loads from the first of `folders` holding the language's file.
    ProgramLanguage(const QStringList& uiLanguages, const QStringList& folders);
    // The core's texts English again; the translations leave the application.
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // Where a program in `programDir` finds its translations: translations/
    // beside it (the build folder), then the tool's data folder
    // (PREFIX/share/nexil-zrtpro/translations for PREFIX/bin/zrtpro).
    static QStringList Folders(const QString& programDir);

    // The names a translation of the person's languages may have, in the order
    // they are looked for: each language most particular first ("de-CH" gives
    // de_CH, then de), up to an English or C entry, which ends the list ("en-XA"
    // still gives en_XA, the pseudo-language).
    static QStringList LanguageNames(const QStringList& uiLanguages);

    // The language loaded ("de", "en_XA"); empty for English.
    QString Language() const { return m_strLanguage; }

    // Puts the translations into the application, for tr() and Qt's dialogs.
    void InstallInApplication();

private:
    QString m_strLanguage;
    QTranslator m_program;
    QTranslator m_qt;
    bool m_bQt = false;
};
