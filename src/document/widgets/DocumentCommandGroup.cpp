#include "document/widgets/DocumentCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>

#include "document/DocumentOps.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "import/SetupWizardBuild.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "window/MainWindow.h"

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

DocumentCommandGroup::DocumentCommandGroup(MainWindow& frame, WizardDialog& wizard)
    : CommandGroup(&frame.Window()),
      m_frame(frame),
      m_wizard(wizard),
      m_recent(frame.UserProfile(), kRecentFileCount) {
    connect(frame.Action(kCmdFileNew), &QAction::triggered, this, [this] { New(); });
    connect(frame.Action(kCmdFileOpen), &QAction::triggered, this, [this] { Open(); });
    connect(frame.Action(kCmdFileSave), &QAction::triggered, this, [this] { Save(); });
    connect(frame.Action(kCmdFileSaveAs), &QAction::triggered, this, [this] { SaveAs(); });
    connect(frame.Action(kCmdExit), &QAction::triggered, &frame.Window(), &QWidget::close);
    for (int n = 0; n < kRecentFileCount; ++n)
        connect(frame.Action(kCmdRecentFirst + n), &QAction::triggered, this,
                [this, n] { OpenRecent(n); });
    RefreshRecentMenu();
}

void DocumentCommandGroup::UpdateCommands() {
    // A save made inside another command's save question has entered the list.
    RefreshRecentMenu();
    const bool busy = m_frame.State().m_bBusy;
    for (int id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdFileSaveAs})
        m_frame.Action(id)->setEnabled(*DocumentCommandEnabled(id, m_frame.Doc(), busy));
    for (int n = 0; n < kRecentFileCount; ++n)
        m_frame.Action(kCmdRecentFirst + n)->setEnabled(!busy);
}

bool DocumentCommandGroup::OpenFile(const QString& path) {
    DocumentContext ctx = m_frame.DocContext();
    const std::string local = LocalPath(path);
    return Opened(local, OpenDocumentFile(ctx, local));
}

bool DocumentCommandGroup::OpenAtStart(const QString& path) {
    DocumentContext ctx = m_frame.DocContext();
    const std::string local = LocalPath(path);
    return Opened(local, OpenConfiguration(ctx, local));
}

void DocumentCommandGroup::New() {
    DocumentContext ctx = m_frame.DocContext();
    const std::string before = m_frame.Doc().GetPathName();
    NewConfigurationCommand(ctx, m_wizard);
    WizardDone(before);
}

void DocumentCommandGroup::StartupWizard() {
    DocumentContext ctx = m_frame.DocContext();
    const std::string before = m_frame.Doc().GetPathName();
    StartupWizardCommand(ctx, m_wizard);
    WizardDone(before);
}

// A file the wizard opened joins the recent files as one opened with Open; the
// page beside the tree shows the configuration now in the tree.
void DocumentCommandGroup::WizardDone(const std::string& pathBefore) {
    const std::string& path = m_frame.Doc().GetPathName();
    if (!path.empty() && path != pathBefore) {
        m_recent.Add(path);
        RefreshRecentMenu();
    }
    m_frame.ShowSelectedPage();
    m_frame.UpdateCommands();
}

void DocumentCommandGroup::Open() {
    DocumentContext ctx = m_frame.DocContext();
    std::string path;
    if (!ctx.m_prompter.ChooseFile(FileChoice::OpenZrt, path)) return;
    Opened(path, OpenDocumentFile(ctx, path));
}

bool DocumentCommandGroup::Save() {
    DocumentContext ctx = m_frame.DocContext();
    const bool ok = SaveDocument(ctx, false);
    m_frame.UpdateCommands();
    return ok;
}

bool DocumentCommandGroup::SaveAs() {
    DocumentContext ctx = m_frame.DocContext();
    const bool ok = SaveDocument(ctx, true);
    m_frame.UpdateCommands();
    return ok;
}

void DocumentCommandGroup::OpenRecent(int index) {
    if (index < 0 || index >= static_cast<int>(m_recent.Paths().size())) return;
    const std::string path = m_recent.Paths()[static_cast<size_t>(index)];
    DocumentContext ctx = m_frame.DocContext();
    if (!ConfirmLeave(ctx)) return;
    if (!Opened(path, OpenConfiguration(ctx, path))) {
        m_recent.Remove(path);
        RefreshRecentMenu();
    }
}

bool DocumentCommandGroup::Opened(const std::string& path, bool ok) {
    if (ok) {
        // The document knows the file by its full path, however it was named.
        m_recent.Add(m_frame.Doc().GetPathName().empty() ? path : m_frame.Doc().GetPathName());
        RefreshRecentMenu();
    }
    m_frame.UpdateCommands();
    return ok;
}

void DocumentCommandGroup::RefreshRecentMenu() {
    const auto& paths = m_recent.Paths();
    for (int n = 0; n < kRecentFileCount; ++n) {
        QAction* action = m_frame.Action(kCmdRecentFirst + n);
        const bool used = n < static_cast<int>(paths.size());
        action->setVisible(used);
        if (used)
            action->setText(
                QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kRecentEntry)
                    .arg(n + 1)
                    .arg(QFile::decodeName(paths[static_cast<size_t>(n)].c_str())
                             .replace('&', "&&")));
    }
}
