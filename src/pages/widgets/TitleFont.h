#pragma once

#include <QFont>

// The bold 12-point face every page shows its title in: the desktop's own
// sans-serif face, so the pages match the rest of the desktop.
const QFont& TitleFont();
