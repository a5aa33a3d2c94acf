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

long Overlap(const ScreenRect& a, const ScreenRect& b) {
    const long w = std::min<long>(long{a.m_nX} + a.m_nWidth, long{b.m_nX} + b.m_nWidth) -
                   std::max<long>(a.m_nX, b.m_nX);
    const long h = std::min<long>(long{a.m_nY} + a.m_nHeight, long{b.m_nY} + b.m_nHeight) -
                   std::max<long>(a.m_nY, b.m_nY);
    return w > 0 && h > 0 ? w * h : 0;
}

// `start` moved as little as needed for `length` to lie within [low, low + room).
int Inside(int start, int length, int low, int room) {
    return static_cast<int>(std::max<long>(low, std::min<long>(start, long{low} + room - length)));
}

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

ScreenRect PlaceBeside(const ScreenRect& main, int width, int height, const ScreenRect& screen) {
    const int w = std::clamp(width, 1, std::max(1, screen.m_nWidth));
    const int h = std::clamp(height, 1, std::max(1, screen.m_nHeight));
    const long right = long{main.m_nX} + main.m_nWidth;
    const long bottom = long{main.m_nY} + main.m_nHeight;
    const auto clampLong = [](long v) {
        return static_cast<int>(std::clamp<long>(v, -kLargest, kLargest));
    };
    // Right, left, below, above: each flush with the main window's edge.
    const ScreenRect wanted[] = {
        {clampLong(right), main.m_nY, w, h},
        {clampLong(long{main.m_nX} - w), main.m_nY, w, h},
        {main.m_nX, clampLong(bottom), w, h},
        {main.m_nX, clampLong(long{main.m_nY} - h), w, h},
    };
    ScreenRect best{};
    long least = -1;
    for (const ScreenRect& place : wanted) {
        const ScreenRect inside{Inside(place.m_nX, w, screen.m_nX, screen.m_nWidth),
                                Inside(place.m_nY, h, screen.m_nY, screen.m_nHeight), w, h};
        const long covered = Overlap(inside, main);
        if (least < 0 || covered < least) {
            best = inside;
            least = covered;
        }
    }
    return best;
}

void SaveWindowPlace(Profile& profile, const std::string& name, const ScreenRect& rect) {
    profile.SetInt(kSectionUserData, name + kX, rect.m_nX);
    profile.SetInt(kSectionUserData, name + kY, rect.m_nY);
    profile.SetInt(kSectionUserData, name + kWidth, rect.m_nWidth);
    profile.SetInt(kSectionUserData, name + kHeight, rect.m_nHeight);
}

std::optional<ScreenRect> LoadWindowPlace(const Profile& profile, const std::string& name) {
    const ScreenRect rect{profile.GetInt(kSectionUserData, name + kX, 0),
                          profile.GetInt(kSectionUserData, name + kY, 0),
                          profile.GetInt(kSectionUserData, name + kWidth, 0),
                          profile.GetInt(kSectionUserData, name + kHeight, 0)};
    const auto usable = [](int size) { return size > 0 && size < kLargest; };
    if (!usable(rect.m_nWidth) || !usable(rect.m_nHeight)) return std::nullopt;
    return rect;
}

ScreenRect FitOnScreen(const ScreenRect& wanted, const FrameMargins& frame, const ScreenRect& area,
                       int smallestWidth, int smallestHeight) {
    const auto [x, width] = FitSpan(wanted.m_nX, wanted.m_nWidth, frame.m_nLeft, frame.m_nRight,
                                    area.m_nX, area.m_nWidth, smallestWidth);
    const auto [y, height] = FitSpan(wanted.m_nY, wanted.m_nHeight, frame.m_nTop, frame.m_nBottom,
                                     area.m_nY, area.m_nHeight, smallestHeight);
    return {x, y, width, height};
}
