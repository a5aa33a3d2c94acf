#include "model/WindowPlacement.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* kX = "WindowX";
constexpr const char* kY = "WindowY";
constexpr const char* kWidth = "WindowWidth";
constexpr const char* kHeight = "WindowHeight";
constexpr const char* kMaximized = "WindowMaximized";
// What of the title bar must lie on a screen to take the window with the mouse.
constexpr int kGripWidth = 40;
constexpr int kGripHeight = 20;
// Sizes beyond any screen are not a window's.
constexpr int kLargest = 100000;

}  // namespace

void SavePlacement(Profile& profile, const WindowPlacement& p) {
    profile.SetInt(kSectionUserData, kX, p.m_rect.m_nX);
    profile.SetInt(kSectionUserData, kY, p.m_rect.m_nY);
    profile.SetInt(kSectionUserData, kWidth, p.m_rect.m_nWidth);
    profile.SetInt(kSectionUserData, kHeight, p.m_rect.m_nHeight);
    profile.SetInt(kSectionUserData, kMaximized, p.m_bMaximized ? 1 : 0);
}

std::optional<WindowPlacement> LoadPlacement(const Profile& profile) {
    WindowPlacement p;
    p.m_rect = {profile.GetInt(kSectionUserData, kX, 0), profile.GetInt(kSectionUserData, kY, 0),
                profile.GetInt(kSectionUserData, kWidth, 0),
                profile.GetInt(kSectionUserData, kHeight, 0)};
    p.m_bMaximized = profile.GetInt(kSectionUserData, kMaximized, 0) != 0;
    const auto usable = [](int size) { return size > 0 && size < kLargest; };
    if (!usable(p.m_rect.m_nWidth) || !usable(p.m_rect.m_nHeight)) return std::nullopt;
    return p;
}

bool IsReachable(const ScreenRect& rect, const std::vector<ScreenRect>& screens) {
    return std::any_of(screens.begin(), screens.end(), [&](const ScreenRect& s) {
        const long left = std::max<long>(rect.m_nX, s.m_nX);
        const long right =
            std::min<long>(long{rect.m_nX} + rect.m_nWidth, long{s.m_nX} + s.m_nWidth);
        const long top = std::max<long>(rect.m_nY, s.m_nY);
        const long bottom =
            std::min<long>(long{rect.m_nY} + kGripHeight, long{s.m_nY} + s.m_nHeight);
        return right - left >= std::min(kGripWidth, rect.m_nWidth) && bottom - top >= kGripHeight;
    });
}

namespace {

// The start and length of a span of `length` placed at `start`, kept within
// [areaStart, areaStart + areaLength) with `before` and `after` of frame.
std::pair<int, int> FitSpan(int start, int length, int before, int after, int areaStart,
                            int areaLength, int smallest) {
    const int room = std::max(1, areaLength - before - after);
    const int fitted = std::max(std::min(length, room), std::min(smallest, length));
    const long areaEnd = long{areaStart} + areaLength;
    long placed = start;
    if (placed + fitted + after > areaEnd) placed = areaEnd - after - fitted;
    if (placed - before < areaStart) placed = long{areaStart} + before;
    return {static_cast<int>(placed), fitted};
}

}  // namespace

ScreenRect FitOnScreen(const ScreenRect& wanted, const FrameMargins& frame, const ScreenRect& area,
                       int smallestWidth, int smallestHeight) {
    const auto [x, width] = FitSpan(wanted.m_nX, wanted.m_nWidth, frame.m_nLeft, frame.m_nRight,
                                    area.m_nX, area.m_nWidth, smallestWidth);
    const auto [y, height] = FitSpan(wanted.m_nY, wanted.m_nHeight, frame.m_nTop, frame.m_nBottom,
                                     area.m_nY, area.m_nHeight, smallestHeight);
    return {x, y, width, height};
}
