#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Answers the next modal dialog of class T as soon as it is shown: the test
// works the real dialog's controls from inside its own event loop.
template <typename T>
void WhenShown(std::function<void(T&)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start();
}
