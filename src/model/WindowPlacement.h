#pragma once

#include <optional>
#include <string>
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

// Where a window `width` by `height` goes beside the window at `main` on
// `screen`: to its right, top edges level, where the screen has room for it
// whole; else to its left, below or above it, pushed inside the screen, where
// it covers the least of `main` (the first of them when two cover as much).
// A window larger than the screen takes the screen's size.
ScreenRect PlaceBeside(const ScreenRect& main, int width, int height, const ScreenRect& screen);

// The place and size a window the user moved was left at, kept under `name`.
void SaveWindowPlace(Profile& profile, const std::string& name, const ScreenRect& rect);
// Nothing when no usable size was kept.
std::optional<ScreenRect> LoadWindowPlace(const Profile& profile, const std::string& name);

// The space a window's frame takes around its contents: the title bar above,
// the borders on the other sides.
struct FrameMargins {
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nRight = 0;
    int m_nBottom = 0;
};

// Where a window whose contents want `wanted` goes on the available `area` of
// its screen: no larger than the area less the frame, however large the scale
// makes it (but never below `smallest`, the least its contents can show), and
// moved in from the edges it passes, so that the title bar, the menu and the
// status bar are on the screen. A window that fits stays where it is.
ScreenRect FitOnScreen(const ScreenRect& wanted, const FrameMargins& frame, const ScreenRect& area,
                       int smallestWidth, int smallestHeight);
