#pragma once

#include "model/Profile.h"

class QMenuBar;

// View > Palette: the desktop's palette (the default), light, dark or high
// contrast, kept in the profile and applied to every window at once. The
// toolkit on many desktops does not follow their dark setting by itself.
void AddPaletteMenu(QMenuBar& bar, Profile& profile);
