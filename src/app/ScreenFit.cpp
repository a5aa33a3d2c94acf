#include "app/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include "model/WindowPlacement.h"

namespace {

// The frame the window system draws round a window: known once a window has
// been shown; before that, that of a window already on the screen.
FrameMargins FrameOf(const QWidget& window) {
    const QWidget* measured = &window;
    if (!window.windowHandle() || window.windowHandle()->frameMargins().isNull())
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other->isVisible() && other->windowHandle() &&
                !other->windowHandle()->frameMargins().isNull())
                measured = other;
    QMargins m = measured->windowHandle() ? measured->windowHandle()->frameMargins() : QMargins();
    // The first window of all: room for a title bar the window manager will add.
    if (m.isNull()) m.setTop(window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return {m.left(), m.top(), m.right(), m.bottom()};
}

bool IsFitted(const QWidget& widget) {
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
           !widget.isMaximized() && !widget.isFullScreen();
}

class ScreenFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            if (auto* widget = static_cast<QWidget*>(watched); IsFitted(*widget))
                FitToScreen(*widget);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void FitToScreen(QWidget& window) {
    if (!IsFitted(window)) return;
    const QRect now = window.geometry();
    const QScreen* screen = QGuiApplication::screenAt(now.center());
    if (!screen) screen = window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    const ScreenRect fitted =
        FitOnScreen({now.x(), now.y(), now.width(), now.height()}, FrameOf(window),
                    {area.x(), area.y(), area.width(), area.height()},
                    least.isValid() ? least.width() : 0, least.isValid() ? least.height() : 0);
    const QRect placed(fitted.m_nX, fitted.m_nY, fitted.m_nWidth, fitted.m_nHeight);
    if (placed != now) window.setGeometry(placed);
}

void InstallScreenFit(QApplication& application, QObject& owner) {
    application.installEventFilter(new ScreenFitter(&owner));
}
