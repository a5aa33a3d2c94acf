#include "report/widgets/ReportActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "report/ReportMessages.h"

namespace {

// An action from a menu text ("&Print\tCtrl+P") and a prompt ("status\ntooltip").
QAction* MakeAction(QObject* owner, const QString& menu, const QString& prompt) {
    const QStringList menuParts = menu.split(QLatin1Char('\t'));
    const QStringList promptParts = prompt.split(QLatin1Char('\n'));
    auto* action = new QAction(menuParts.front(), owner);
    if (menuParts.size() > 1) action->setShortcut(QKeySequence::fromString(menuParts.back()));
    action->setStatusTip(promptParts.front());
    if (promptParts.size() > 1) action->setToolTip(promptParts.back());
    return action;
}

}  // namespace

ReportActions::ReportActions(QWidget* window, const CZRTProDoc& doc, Prompter& prompter)
    : QObject(window),
      m_doc(doc),
      m_printer(window, prompter),
      m_pPrint(MakeAction(this, QCoreApplication::translate("Report", kReportPrintMenu),
                          QCoreApplication::translate("Report", kReportPrintPrompt))),
      m_pPreview(MakeAction(this, QCoreApplication::translate("Report", kReportPreviewMenu),
                            QCoreApplication::translate("Report", kReportPreviewPrompt))),
      m_pExport(MakeAction(this, QCoreApplication::translate("Report", kReportExportMenu),
                           QCoreApplication::translate("Report", kReportExportPrompt))) {
    m_pPrint->setData(static_cast<int>(kCmdPrint));
    m_pPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    m_pPreview->setIcon(QIcon::fromTheme(QStringLiteral("document-print-preview")));
    m_pExport->setIcon(QIcon::fromTheme(QStringLiteral("document-export")));
    connect(m_pPrint, &QAction::triggered, this, [this] { m_printer.Print(m_doc); });
    connect(m_pPreview, &QAction::triggered, this, [this] { m_printer.Preview(m_doc); });
    connect(m_pExport, &QAction::triggered, this, [this] { m_printer.ExportPdf(m_doc); });
    UpdateEnabled(false);
}

void ReportActions::UpdateEnabled(bool busy) {
    const bool enabled = DocumentCommandEnabled(kCmdPrint, m_doc, busy).value_or(false);
    for (QAction* action : {m_pPrint, m_pPreview, m_pExport}) action->setEnabled(enabled);
}
