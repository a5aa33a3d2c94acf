#include "document/widgets/InputsCsvCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QStyle>
#include <QTableWidget>

#include "document/ConfigDiff.h"
#include "document/InputsCsvFile.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "model/ShownText.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"

namespace {

QString DisplayName(const std::string& path) { return QFile::decodeName(FileNameOf(path).c_str()); }

// Adds to the preview's count line the numbers inputs would share and what
// the file holds that is not applied, and marks the rows of shared numbers.
void ShowPreviewFindings(DiffDialog& dialog, const CsvPreview& preview,
                         const std::vector<bool>& sharedRows) {
    auto* count = dialog.findChild<QLabel*>("diffCount");
    auto* table = dialog.findChild<QTableWidget*>("diffTable");
    if (!count || !table) return;
    QStringList lines{count->text()};
    for (const auto* group : {&preview.m_shared, &preview.m_notes})
        for (const std::string& line : *group) lines << QString::fromStdString(TextAsUtf8(line));
    count->setText(lines.join('\n'));
    const QIcon mark = dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const QString tip =
        QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kSharedMark);
    for (int r = 0; r < table->rowCount() && r < static_cast<int>(sharedRows.size()); ++r) {
        if (!sharedRows[static_cast<size_t>(r)]) continue;
        QTableWidgetItem* other = table->item(r, 2);
        if (!other) continue;
        other->setIcon(mark);
        other->setToolTip(tip);
    }
}

}  // namespace

InputsCsvCommandGroup::InputsCsvCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdExportCsv), &QAction::triggered, this, [this] { Export(); });
    connect(frame.Action(kCmdImportCsv), &QAction::triggered, this, [this] { Import(); });
}

bool InputsCsvCommandGroup::Enabled(int command) const {
    return *DocumentCommandEnabled(command, m_frame.Doc(), m_frame.State().m_bBusy);
}

void InputsCsvCommandGroup::UpdateCommands() {
    for (int id : {kCmdExportCsv, kCmdImportCsv}) m_frame.Action(id)->setEnabled(Enabled(id));
}

void InputsCsvCommandGroup::Export() {
    if (!Enabled(kCmdExportCsv)) return;
    std::string path = PathWithExtension(m_frame.Doc(), ".csv");
    if (!m_frame.Prompter().ChooseFile(FileChoice::SaveCsv, path)) return;
    std::string error;
    if (!ExportInputsCsvFile(m_frame.Doc(), path, error)) {
        m_frame.Prompter().Message(error, PromptButtons::Ok, PromptIcon::Error);
        return;
    }
    m_frame.SetStatusText(
        QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kExported)
            .arg(DisplayName(path)));
}

void InputsCsvCommandGroup::Import() {
    namespace M = DocumentWidgetMessages;
    if (!Enabled(kCmdImportCsv)) return;
    // A first import looks beside the configuration.
    std::string path = m_frame.Doc().GetPathName();
    if (!m_frame.Prompter().ChooseFile(FileChoice::OpenCsv, path)) return;
    std::string error;
    const auto preview = ImportInputsCsvFile(m_frame.Doc(), path, error);
    if (!preview) {
        m_frame.Prompter().Message(error, PromptButtons::Ok, PromptIcon::Warning);
        return;
    }
    const auto changes = CompareConfigurations(m_frame.Doc(), preview->m_doc);
    DiffDialog dialog(changes, QCoreApplication::translate("DocumentWidgets", M::kImportCaption),
                      QCoreApplication::translate("DocumentWidgets", M::kAfterImport),
                      DiffDialog::Mode::Confirm, &m_frame.Window());
    ShowPreviewFindings(dialog, *preview, SharedNumberRows(changes, preview->m_doc));
    if (dialog.exec() != QDialog::Accepted || changes.empty() || !Enabled(kCmdImportCsv)) return;
    DocumentContext ctx = m_frame.DocContext();
    ApplyImportedInputs(ctx, preview->m_doc);
    m_frame.RefreshPage();
    m_frame.UpdateCommands();
    m_frame.SetStatusText(
        (m_frame.Doc().m_bConflicts
             ? QCoreApplication::translate("DocumentWidgets", M::kImportedConflicts)
             : QCoreApplication::translate("DocumentWidgets", M::kImported))
            .arg(DisplayName(path)));
}
