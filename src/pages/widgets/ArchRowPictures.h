#pragma once

#include <QIcon>
#include <QSize>

// The pictures of one row of the Arch Number list: the conflict mark, when the
// row has one, then the picture of the row's category, side by side so that
// the numbers stay aligned whether a row is marked or not.
QIcon ArchRowIcon(int icon, int state);
QSize ArchRowIconSize();
