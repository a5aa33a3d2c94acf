#include "model/WindowPlacement.h"

#include <algorithm>

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
