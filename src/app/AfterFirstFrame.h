#pragma once

#include <functional>

class QWidget;

// Runs `then` once, from the event loop, after `window` has drawn its first
// frame; or after a while when it draws none (a window started minimised),
// so that what waits on it is never lost.
void AfterFirstFrame(QWidget& window, std::function<void()> then);
