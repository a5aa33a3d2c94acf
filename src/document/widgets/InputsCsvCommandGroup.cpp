#include "document/widgets/InputsCsvCommandGroup.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>

#include "document/ConfigDiff.h"
#include "document/InputsCsvFile.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"

namespace {

QString DisplayName(const std::string& path) { return QFile::decodeName(FileNameOf(path).c_str()); }

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
        QString::fromLatin1(DocumentWidgetMessages::kExported).arg(DisplayName(path)));
}

void InputsCsvCommandGroup::Import() {
    namespace M = DocumentWidgetMessages;
    if (!Enabled(kCmdImportCsv)) return;
    // A first import looks beside the configuration.
    std::string path = m_frame.Doc().GetPathName();
    if (!m_frame.Prompter().ChooseFile(FileChoice::OpenCsv, path)) return;
    std::string error;
    const auto imported = ImportInputsCsvFile(m_frame.Doc(), path, error);
    if (!imported) {
        m_frame.Prompter().Message(error, PromptButtons::Ok, PromptIcon::Warning);
        return;
    }
    const auto changes = CompareConfigurations(m_frame.Doc(), *imported);
    DiffDialog dialog(changes, QString::fromLatin1(M::kImportCaption),
                      QString::fromLatin1(M::kAfterImport), DiffDialog::Mode::Confirm,
                      &m_frame.Window());
    if (dialog.exec() != QDialog::Accepted || changes.empty() || !Enabled(kCmdImportCsv)) return;
    DocumentContext ctx = m_frame.DocContext();
    ApplyImportedInputs(ctx, *imported);
    m_frame.RefreshPage();
    m_frame.UpdateCommands();
    m_frame.SetStatusText(
        QString::fromLatin1(m_frame.Doc().m_bConflicts ? M::kImportedConflicts : M::kImported)
            .arg(DisplayName(path)));
}
