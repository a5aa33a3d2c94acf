#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

// Measures how long the event loop goes without turning: a timer ticks every
// few milliseconds and the longest gap between two ticks, less the interval,
// is the longest stall the user could have seen.
class StallMeter {
public:
    static constexpr int kTickMs = 2;

    StallMeter() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
    }

    void Start() {
        m_nLongestMs = 0;
        m_clock.start();
        m_nLastMs = 0;
        m_timer.start();
    }
    // The longest stall in milliseconds, the time since the last tick included.
    qint64 Stop() {
        Tick();
        m_timer.stop();
        return m_nLongestMs;
    }

private:
    void Tick() {
        const qint64 now = m_clock.elapsed();
        m_nLongestMs = std::max(m_nLongestMs, now - m_nLastMs - kTickMs);
        m_nLastMs = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_nLastMs = 0;
    qint64 m_nLongestMs = 0;
};
