#pragma once

#include <QString>

// The page Help > Index opens, for a program in `programDir`: help/ beside the
// program (the build folder), else the tool's data folder of an installed
// program (PREFIX/share/nexil-zrtpro/help/ for PREFIX/bin/zrtpro). When
// neither holds the page, the place beside the program.
QString FindHelpPage(const QString& programDir);
