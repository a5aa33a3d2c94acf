#include "app/WindowPlacer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/WindowPlacement.h"

namespace {

std::vector<ScreenRect> Screens() {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    return screens;
}

}  // namespace

void ShowPlaced(QWidget& window, const Profile& profile, QSize startSize) {
    const auto kept = LoadPlacement(profile);
    window.resize(kept ? QSize(kept->m_rect.m_nWidth, kept->m_rect.m_nHeight) : startSize);
    if (kept && IsReachable(kept->m_rect, Screens())) {
        window.move(kept->m_rect.m_nX, kept->m_rect.m_nY);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    if (kept && kept->m_bMaximized)
        window.showMaximized();
    else
        window.show();
}

void KeepPlacement(const QWidget& window, Profile& profile) {
    const bool maximized = window.isMaximized();
    // A maximized window keeps the size and place it returns to.
    const QRect normal = maximized ? window.normalGeometry() : window.geometry();
    const QPoint corner = maximized ? normal.topLeft() : window.pos();
    SavePlacement(profile, {{corner.x(), corner.y(), normal.width(), normal.height()}, maximized});
}
