#pragma once

#include <QString>
#include <QStringList>

// The page Help > Index opens, for a program in `programDir` and a person
// whose languages are `uiLanguages` (as QLocale::uiLanguages() gives them):
// help/zrtindex_LANG.htm of the first of those languages that has a page,
// found the way the program's translation is (lang/ProgramLanguage: "de-CH"
// tries de_CH, then de; English or C ends the search), else the English
// help/zrtindex.htm. Each is looked for beside the program (the build
// folder), then in the tool's data folder of an installed program
// (PREFIX/share/nexil-zrtpro/help/ for PREFIX/bin/zrtpro). When no folder
// holds a page, the English one's place beside the program.
QString FindHelpPage(const QString& programDir, const QStringList& uiLanguages = {});
