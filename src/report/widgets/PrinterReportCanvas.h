#pragma once

#include "report/widgets/PainterReportCanvas.h"

class QPrinter;

// The report's canvas on a printer: the job carries its name to the spooler,
// and a job given up is withdrawn from it.
class PrinterReportCanvas : public PainterReportCanvas {
public:
    explicit PrinterReportCanvas(QPrinter& printer);

    void AbortJob() override;

protected:
    void NameJob(const QString& name) override;

private:
    QPrinter& m_printer;
};
