#pragma once

#include <optional>
#include <vector>

#include "model/Profile.h"

// A rectangle of the desktop in pixels.
struct ScreenRect {
    int m_nX = 0;
    int m_nY = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The main window's place between runs: its normal size and position and
// whether it was maximized.
struct WindowPlacement {
    ScreenRect m_rect;
    bool m_bMaximized = false;
    bool operator==(const WindowPlacement&) const = default;
};

void SavePlacement(Profile& profile, const WindowPlacement& placement);
// Nothing when no usable size was kept.
std::optional<WindowPlacement> LoadPlacement(const Profile& profile);

// Whether a window at `rect` can be reached on one of `screens`: enough of its
// top edge, where the title bar is, lies on a screen to take it with the mouse.
bool IsReachable(const ScreenRect& rect, const std::vector<ScreenRect>& screens);
