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

// An action from a menu text ("&Print\tCtrl+P") and a prompt ("status\ntooltip"),
// in the person's language.
QAction* MakeAction(QObject* owner, const char* menu, const char* prompt) {
    const QStringList menuParts =
        QCoreApplication::translate("Report", menu).split(QLatin1Char('\t'));
    const QStringList promptParts =
        QCoreApplication::translate("Report", prompt).split(QLatin1Char('\n'));
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
      m_pPrint(MakeAction(this, kReportPrintMenu, kReportPrintPrompt)),
      m_pPreview(MakeAction(this, kReportPreviewMenu, kReportPreviewPrompt)),
      m_pExport(MakeAction(this, kReportExportMenu, kReportExportPrompt)) {
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
