#pragma once

#include <QObject>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "report/widgets/ReportPrinter.h"

class QAction;
class QWidget;

// The report's commands of the main window: Print (command 32785), Print
// Preview and Export Report as PDF, acting on the open document. All three
// are enabled as Print is: when the window is not busy and a configuration exists.
class ReportActions : public QObject {
public:
    ReportActions(QWidget* window, const CZRTProDoc& doc, Prompter& prompter);

    QAction* PrintAction() const { return m_pPrint; }
    QAction* PreviewAction() const { return m_pPreview; }
    QAction* ExportAction() const { return m_pExport; }

    void UpdateEnabled(bool busy);

private:
    const CZRTProDoc& m_doc;
    ReportPrinter m_printer;
    QAction* m_pPrint;
    QAction* m_pPreview;
    QAction* m_pExport;
};
