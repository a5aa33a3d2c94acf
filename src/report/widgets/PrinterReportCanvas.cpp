#include "report/widgets/PrinterReportCanvas.h"

#include <QPrinter>

PrinterReportCanvas::PrinterReportCanvas(QPrinter& printer)
    : PainterReportCanvas(printer), m_printer(printer) {}

void PrinterReportCanvas::NameJob(const QString& name) { m_printer.setDocName(name); }

void PrinterReportCanvas::AbortJob() {
    if (Painter().isActive()) m_printer.abort();
    PainterReportCanvas::AbortJob();
}
