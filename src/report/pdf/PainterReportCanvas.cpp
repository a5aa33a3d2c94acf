#include "report/pdf/PainterReportCanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "model/ShownText.h"

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

QString ReportFontFamily(const QString& face) {
    const QStringList families = QFontDatabase::families();
    if (families.isEmpty()) return {};
    if (families.contains(face, Qt::CaseInsensitive)) return face;
    if (families.contains(QStringLiteral("DejaVu Sans"))) return QStringLiteral("DejaVu Sans");
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    return sans.defaultFamily();
}

PainterReportCanvas::PainterReportCanvas(QPagedPaintDevice& device) : m_device(device) {}

PainterReportCanvas::~PainterReportCanvas() {
    if (m_painter.isActive()) m_painter.end();
}

void PainterReportCanvas::SetPortrait() {
    QPageLayout layout = m_device.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMode(QPageLayout::FullPageMode);
    m_device.setPageLayout(layout);
}

ReportPageMetrics PainterReportCanvas::PageMetrics() const {
    QPageLayout layout = m_device.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF unprintable = layout.minimumMargins();
    ReportPageMetrics page;
    page.m_nPhysicalWidth = m_device.width();
    page.m_nPhysicalHeight = m_device.height();
    page.m_nOffsetX =
        static_cast<int>(unprintable.left() * m_device.logicalDpiX() / kPointsPerInch);
    page.m_nOffsetY = static_cast<int>(unprintable.top() * m_device.logicalDpiY() / kPointsPerInch);
    return page;
}

bool PainterReportCanvas::StartJob(const std::string& jobName) {
    NameJob(QString::fromLatin1(jobName));
    m_nPagesStarted = 0;
    return m_painter.begin(&m_device);
}

void PainterReportCanvas::NameJob(const QString& name) {
    // A PDF keeps the title it was given (the report's first line); the job
    // name only fills an empty one.
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&m_device); pdf && pdf->title().isEmpty())
        pdf->setTitle(name);
}

void PainterReportCanvas::EndJob() {
    if (m_painter.isActive()) m_painter.end();
}

void PainterReportCanvas::AbortJob() { EndJob(); }

bool PainterReportCanvas::SelectFont(const std::string& face, int points) {
    const QString family = ReportFontFamily(QString::fromLatin1(face));
    if (family.isEmpty()) return false;
    m_font = QFont(family, points, QFont::Medium, false);
    // A listing, as the unit's installers read and copy it: no ligatures.
    m_font.setStyleStrategy(QFont::PreferNoShaping);
    m_painter.setFont(m_font);
    return m_painter.fontMetrics().height() > 0;
}

int PainterReportCanvas::CharHeight() const { return m_painter.fontMetrics().height(); }

int PainterReportCanvas::AverageCharWidth() const {
    return m_painter.fontMetrics().averageCharWidth();
}

void PainterReportCanvas::StartPage() {
    // Beginning the painter opened the first page already.
    if (m_nPagesStarted++ > 0) m_device.newPage();
}

void PainterReportCanvas::DrawText(int x, int y, const std::string& text) {
    // The heading's path is the system's UTF-8, the names are Latin-1.
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()),
                       QString::fromUtf8(TextAsUtf8(text)));
}
