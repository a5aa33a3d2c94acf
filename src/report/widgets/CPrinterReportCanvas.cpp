#include "report/widgets/CPrinterReportCanvas.h"

#include <QPrinter>

CPrinterReportCanvas::CPrinterReportCanvas(QPrinter& printer)
    : CPainterReportCanvas(printer), m_printer(printer) {}

void CPrinterReportCanvas::NameJob(const QString& name) { m_printer.setDocName(name); }

void CPrinterReportCanvas::AbortJob() {
    if (Painter().isActive()) m_printer.abort();
    CPainterReportCanvas::AbortJob();
}
