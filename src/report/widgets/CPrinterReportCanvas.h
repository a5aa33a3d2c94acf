#pragma once

#include "report/pdf/CPainterReportCanvas.h"

class QPrinter;

// The report's canvas on a printer: the job carries its name to the spooler,
// and a job given up is withdrawn from it.
class CPrinterReportCanvas : public CPainterReportCanvas {
public:
    explicit CPrinterReportCanvas(QPrinter& printer);

    void AbortJob() override;

protected:
    void NameJob(const QString& name) override;

private:
    QPrinter& m_printer;
};
