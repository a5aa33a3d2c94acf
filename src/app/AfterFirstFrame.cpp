#include "app/AfterFirstFrame.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kNoFrameMs = 2000;

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then)) {
        window.installEventFilter(this);
        QTimer::singleShot(kNoFrameMs, this, [this] { Fire(); });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        // The frame reaches the screen once its painting is done.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { Fire(); });
        return false;
    }

private:
    void Fire() {
        if (!m_then) return;
        parent()->removeEventFilter(this);
        const std::function<void()> then = std::move(m_then);
        m_then = nullptr;
        deleteLater();
        then();
    }

    std::function<void()> m_then;
};

}  // namespace

void AfterFirstFrame(QWidget& window, std::function<void()> then) {
    new FirstFrameWatch(window, std::move(then));
}
