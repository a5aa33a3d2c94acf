#pragma once

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "report/PrintReport.h"

class QPrinter;
class QWidget;

// Prints, previews and exports the configuration report of a document, with
// the platform's print, preview and file dialogs over `parent`.
class ReportPrinter {
public:
    ReportPrinter(QWidget* parent, Prompter& prompter);

    // The print dialog, then the report on the chosen printer, its copies and
    // page range; nothing when the dialog is cancelled.
    void Print(const CZRTProDoc& doc);
    // The report in the print preview window, from which it can also be printed.
    void Preview(const CZRTProDoc& doc);
    // Asks for a file name and writes the report there as a PDF.
    void ExportPdf(const CZRTProDoc& doc);

    // Lays the report onto `printer`, drawing only the page range it names.
    static ReportResult PrintOn(QPrinter& printer, const CZRTProDoc& doc, Prompter& prompter);

    // The PDF name proposed for a document: its file's name with ".pdf", or its title.
    static std::string ProposedPdfPath(const CZRTProDoc& doc);

private:
    QWidget* m_pParent;
    Prompter& m_prompter;
};
