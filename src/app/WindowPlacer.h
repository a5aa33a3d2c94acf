#pragma once

#include <QSize>

#include "model/Profile.h"

class QWidget;

// Shows the main window at the size, position and maximized state the last
// run kept; without them, or with a position on no screen now, at
// `startSize` centred on the primary screen (a kept size stays).
void ShowPlaced(QWidget& window, const Profile& profile, QSize startSize);
// Keeps the window's placement for the next run.
void KeepPlacement(const QWidget& window, Profile& profile);
