#pragma once

#include <string>

// The printer's page in its own device units.
struct ReportPageMetrics {
    int m_nPhysicalWidth = 0;
    int m_nPhysicalHeight = 0;
    int m_nOffsetX = 0;  // unprintable strip at the left edge
    int m_nOffsetY = 0;  // unprintable strip at the top edge
};

// The device the report draws on: a printer, a preview, a PDF file, or a
// recording in the tests. All values are the device's own units.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;

    virtual void SetPortrait() = 0;
    virtual ReportPageMetrics PageMetrics() const = 0;

    // False when the device refuses the job.
    virtual bool StartJob(const std::string& jobName) = 0;
    virtual void EndJob() = 0;
    // Gives the device up after a failure; whatever was started is discarded.
    virtual void AbortJob() = 0;

    // Creates and selects the text font; false when it cannot be made.
    virtual bool SelectFont(const std::string& face, int points) = 0;
    virtual int CharHeight() const = 0;
    virtual int AverageCharWidth() const = 0;

    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
    // Draws `text` with its top-left corner at (x, y), neither clipped nor wrapped.
    virtual void DrawText(int x, int y, const std::string& text) = 0;
};
