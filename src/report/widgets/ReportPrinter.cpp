#include "report/widgets/ReportPrinter.h"

#include <QAbstractPrintDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "model/Translate.h"
#include "report/ReportMessages.h"
#include "report/pdf/ReportPdf.h"
#include "report/widgets/PrinterReportCanvas.h"

ReportPrinter::ReportPrinter(QWidget* parent, Prompter& prompter)
    : m_pParent(parent), m_prompter(prompter) {}

ReportResult ReportPrinter::PrintOn(QPrinter& printer, const CZRTProDoc& doc, Prompter& prompter) {
    PrinterReportCanvas canvas(printer);
    ReportOptions options;
    options.m_time = CurrentLocalTime();
    if (printer.printRange() == QPrinter::PageRange) {
        options.m_nFirstPage = printer.fromPage();
        options.m_nLastPage = printer.toPage();
    }
    return PrintReport(doc, canvas, prompter, options);
}

void ReportPrinter::Print(const CZRTProDoc& doc) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, m_pParent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintOn(printer, doc, m_prompter);
}

void ReportPrinter::Preview(const CZRTProDoc& doc) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, m_pParent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* target) { PrintOn(*target, doc, m_prompter); });
    preview.exec();
}

void ReportPrinter::ExportPdf(const CZRTProDoc& doc) {
    std::string path = ProposedPdfPath(doc);
    if (!m_prompter.ChooseFile(FileChoice::SaveReportPdf, path)) return;
    // The paper of the default printer, or of the user's locale without one.
    const QPrinter defaults(QPrinter::HighResolution);
    std::string error;
    if (!WriteReportPdf(doc, path, defaults.pageLayout().pageSize(), CurrentLocalTime(), m_prompter,
                        error)) {
        m_prompter.Message(error, PromptButtons::Ok, PromptIcon::Error);
        return;
    }
    m_prompter.SetStatusText(Tr("Report", kReportPdfSaved) + path);
}

std::string ReportPrinter::ProposedPdfPath(const CZRTProDoc& doc) {
    return PathWithExtension(doc, ".pdf");
}
