#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "report/ReportCanvas.h"

// A canvas with chosen metrics that records every call in order.
class RecordingCanvas : public ReportCanvas {
public:
    enum class Call { Portrait, StartJob, EndJob, AbortJob, SelectFont, StartPage, EndPage, Text };

    struct Event {
        Call m_call;
        int m_nX = 0;
        int m_nY = 0;
        std::string m_strText;

        bool operator==(const Event&) const = default;
    };

    // A text drawn at (x, y).
    struct Placed {
        int m_nX;
        int m_nY;
        std::string m_strText;

        bool operator==(const Placed&) const = default;
        friend void PrintTo(const Placed& p, std::ostream* os) {
            *os << '(' << p.m_nX << ", " << p.m_nY << ", \"" << p.m_strText << "\")";
        }
    };

    RecordingCanvas(ReportPageMetrics page, int charHeight, int averageCharWidth)
        : m_page(page), m_nCharHeight(charHeight), m_nCharWidth(averageCharWidth) {}

    void SetPortrait() override { Record(Call::Portrait); }
    ReportPageMetrics PageMetrics() const override { return m_page; }
    bool StartJob(const std::string& jobName) override {
        Record(Call::StartJob, 0, 0, jobName);
        return m_bAcceptJob;
    }
    void EndJob() override { Record(Call::EndJob); }
    void AbortJob() override { Record(Call::AbortJob); }
    bool SelectFont(const std::string& face, int points) override {
        Record(Call::SelectFont, points, 0, face);
        return m_bFontAvailable;
    }
    int CharHeight() const override { return m_nCharHeight; }
    int AverageCharWidth() const override { return m_nCharWidth; }
    void StartPage() override { Record(Call::StartPage); }
    void EndPage() override { Record(Call::EndPage); }
    void DrawText(int x, int y, const std::string& text) override {
        Record(Call::Text, x, y, text);
    }

    // The texts of each started page, in drawing order.
    std::vector<std::vector<Placed>> Pages() const {
        std::vector<std::vector<Placed>> pages;
        for (const Event& e : m_events) {
            if (e.m_call == Call::StartPage) pages.emplace_back();
            if (e.m_call == Call::Text && !pages.empty())
                pages.back().push_back({e.m_nX, e.m_nY, e.m_strText});
        }
        return pages;
    }

    std::vector<Call> Calls() const {
        std::vector<Call> calls;
        for (const Event& e : m_events) calls.push_back(e.m_call);
        return calls;
    }

    std::vector<Event> m_events;
    bool m_bAcceptJob = true;
    bool m_bFontAvailable = true;

private:
    void Record(Call call, int x = 0, int y = 0, const std::string& text = {}) {
        m_events.push_back({call, x, y, text});
    }

    ReportPageMetrics m_page;
    int m_nCharHeight;
    int m_nCharWidth;
};
