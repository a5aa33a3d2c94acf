#include "app/CZRTProApp.h"

#include <QApplication>
#include <QMessageBox>

#include "app/AfterFirstFrame.h"
#include "app/AppMessages.h"
#include "app/CMainFrame.h"
#include "app/ScreenFit.h"
#include "app/SingleInstance.h"
#include "app/SplashDlg.h"
#include "app/WindowPlacer.h"
#include "app/WorkRecovery.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "tree/widgets/CLeftTreeView.h"
#include "window/AccessibleNames.h"
#include "window/QtProfile.h"
#include "window/QtPrompter.h"
#include "window/ReadablePalette.h"

namespace {

constexpr QSize kStartSize(1040, 700);

}  // namespace

CZRTProApp::CZRTProApp(const QString& instanceName, Profile* profile)
    : m_strInstanceName(instanceName) {
    if (!profile) {
        m_pOwnProfile = std::make_unique<QtProfile>();
        profile = m_pOwnProfile.get();
    }
    m_pProfile = profile;
}

CZRTProApp::~CZRTProApp() = default;

bool CZRTProApp::InitInstance(const QStringList& arguments, int splashMs) {
    m_pInstance = std::make_unique<SingleInstance>(m_strInstanceName);
    if (m_pInstance->ActivateRunning(arguments.value(1))) return false;
    if (!m_pInstance->Listen()) {
        QMessageBox::warning(
            nullptr, QCoreApplication::translate("Window", WindowMessages::kAppTitle),
            QCoreApplication::translate("App", AppMessages::kInstanceNotRegistered).trimmed());
        return false;
    }
    m_pInstance->m_activate = [this](const QString& file) { BringForward(file); };

    // A screen reader hears every control by its label, the palette is the
    // one the user chose, and every window fits the screen at any scale.
    InstallAccessibleComboBoxes();
    ApplyPaletteChoice(LoadPaletteChoice(*m_pProfile));
    m_pFrame = std::make_unique<CMainFrame>(m_doc, *m_pProfile);
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        InstallScreenFit(*application, *m_pFrame);
    if (m_prepareFrame) m_prepareFrame(*m_pFrame);
    // Work a crash left behind is offered before anything else.
    auto* recovery = new WorkRecovery(*m_pFrame);
    const bool recovered = recovery->Offer();
    m_pFrame->m_closed = [recovery] { recovery->Left(); };
    const QStringList files = arguments.mid(1);
    // A file that does not open has shown why; the window stays, empty, as
    // after a failed File > Open, and the wizard stays away.
    const bool opened =
        recovered || files.isEmpty() || m_pFrame->Documents().OpenAtStart(files.front());

    ShowPlaced(*m_pFrame, *m_pProfile, kStartSize);

    CMainFrame* frame = m_pFrame.get();
    const auto goOn = [frame, recovery, recovered, opened, files] {
        recovery->Start();
        if (recovered && !files.isEmpty()) {
            // Opened as File > Open does, asking first about the recovered work.
            const QString file = files.front();
            QMetaObject::invokeMethod(
                frame, [frame, file] { frame->Documents().OpenFile(file); }, Qt::QueuedConnection);
            return;
        }
        if (!opened) return;
        CLeftTreeView* tree = &frame->Tree();
        QMetaObject::invokeMethod(
            tree, [tree] { tree->RunWizardCommand(); }, Qt::QueuedConnection);
    };
    if (splashMs <= 0) {
        goOn();
        return true;
    }
    // The window is what the user waits for: the start-up picture comes once
    // its first frame is drawn, and the start goes on when the picture goes.
    AfterFirstFrame(*frame, [frame, splashMs, goOn] {
        SplashDlg splash(splashMs, frame);
        splash.exec();
        goOn();
    });
    return true;
}

void CZRTProApp::BringForward(const QString& file) {
    CMainFrame* frame = m_pFrame.get();
    if (!frame) return;
    // Back as it was before it was minimised: a maximised window stays so.
    if (frame->isMinimized())
        frame->setWindowState((frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    frame->raise();
    frame->activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != frame) {
        // The dialog the user is in is finished first; no file opens under it.
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    if (file.isEmpty() || frame->State().m_bBusy) return;
    // Opened as File > Open does, with its save question, once this request is done.
    QMetaObject::invokeMethod(
        frame, [frame, file] { frame->Documents().OpenFile(file); }, Qt::QueuedConnection);
}
