#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include "report/ReportCanvas.h"

class QPagedPaintDevice;

// The report's canvas on a paged Qt device: a printer, the preview's printer
// or a PDF writer. The painter is begun by the job, so the device must live
// until the job ends.
class PainterReportCanvas : public ReportCanvas {
public:
    explicit PainterReportCanvas(QPagedPaintDevice& device);
    ~PainterReportCanvas() override;

    // Also lays the page out edge to edge, so that device units count from the
    // paper's corner and the report keeps its own margins.
    void SetPortrait() override;
    ReportPageMetrics PageMetrics() const override;

    bool StartJob(const std::string& jobName) override;
    void EndJob() override;
    void AbortJob() override;

    // Takes `face` when installed, else the closest sans-serif face.
    bool SelectFont(const std::string& face, int points) override;
    int CharHeight() const override;
    int AverageCharWidth() const override;

    void StartPage() override;
    void EndPage() override {}
    void DrawText(int x, int y, const std::string& text) override;

    // The family the font request ended with, for messages and tests.
    QString FontFamily() const { return m_font.family(); }

protected:
    // Gives the job its name on devices that have one.
    virtual void NameJob(const QString& name);

    QPagedPaintDevice& Device() { return m_device; }
    QPainter& Painter() { return m_painter; }

private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    QFont m_font;
    int m_nPagesStarted = 0;
};

// The installed family nearest to `face`: the face itself, else DejaVu Sans,
// else the desktop's sans-serif; empty when no font is installed at all.
QString ReportFontFamily(const QString& face);
