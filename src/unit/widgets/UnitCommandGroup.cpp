#include "unit/widgets/UnitCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>

#include "document/ConfigDiff.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DifferencesWindow.h"
#include "lang/ShownText.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "model/Translate.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/DescribeUnitCopy.h"
#include "unit/LinkUi.h"
#include "unit/ModemMessages.h"
#include "unit/ModemSetup.h"
#include "unit/OpenUnitImage.h"
#include "unit/UnitCommands.h"
#include "unit/UnitHistory.h"
#include "unit/UnitMessages.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/FrameLinkUi.h"
#include "unit/widgets/ModemDlg.h"
#include "unit/widgets/PasswordDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"
#include "unit/widgets/UnitWidgetMessages.h"
#include "unit/widgets/VerifyDetailsDlg.h"
#include "unit/widgets/WindowUnitLink.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"
#include "window/ReadablePalette.h"

namespace {

constexpr const char* kLinkTraceKey = "LinkTrace";
constexpr const char* kKeepKey = "KeepBeforeWrite";

// Where the demonstration unit keeps its memory between runs.
std::string DemoMemoryPath() {
    return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/demo-unit.bin")
        .toStdString();
}

}  // namespace

UnitCommandGroup::UnitCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()),
      m_frame(frame),
      m_pLinkUi(new FrameLinkUi(frame)),
      m_pDetails(
          new QPushButton(QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kDetails),
                          &frame.Window())),
      m_pPartly(new QLabel(QCoreApplication::translate("Unit", UnitMessages::kPartlyWrittenStatus),
                           &frame.Window())),
      // A comparison with the unit holds while neither the configuration
      // nor the unit has been replaced since.
      m_pDifferences(new DifferencesWindow(
          frame,
          [this] {
              return m_frame.State().m_history.Generation() == m_nComparedGeneration &&
                     m_nUnitWrites == m_nComparedWrites;
          },
          [this] { CompareWithUnit(); })) {
    m_link = std::make_unique<WindowUnitLink>(
        [&frame] {
            std::optional<std::string> choice =
                ConnectionDlg::Choose(frame.UserProfile(), &frame.Window());
            // The unit history names the connection each copy came over.
            if (choice)
                frame.State().m_strConnection =
                    *choice == WindowUnitLink::kDemonstrationUnit
                        ? std::string(UnitWidgetMessages::kDemonstrationConnection)
                        : *choice;
            return choice;
        },
        [&frame] { return PasswordDlg::Ask(&frame.Window()); }, DemoMemoryPath(),
        // A transfer or a connect on a line under way lets the window turn
        // from inside the link: the busy state keeps every command from
        // starting meanwhile. Outside them (leaving programming mode, the
        // demonstration unit) the window only repaints, taking no input, so
        // nothing starts there either.
        [this, &frame] {
            if (frame.State().m_bBusy)
                frame.Prompter().Pump();
            else if (m_bRunning)
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    connect(frame.Action(kCmdReadUnit), &QAction::triggered, this, [this] { ReadUnit(); });
    connect(frame.Action(kCmdCompareUnit), &QAction::triggered, this,
            [this] { CompareWithUnit(); });
    connect(frame.Action(kCmdWriteUnit), &QAction::triggered, this, [this] { WriteUnit(); });
    connect(frame.Action(kCmdVerifyWrite), &QAction::triggered, this,
            [this] { ToggleVerifyWrite(); });
    connect(frame.Action(kCmdSetTime), &QAction::triggered, this, [this] { SetUnitTime(); });
    connect(frame.Action(kCmdConfigureModem), &QAction::triggered, this,
            [this] { ConfigureRemoteModem(); });

    m_link->SetConnectHooks([this](bool on) { ShowConnecting(on); },
                            [&frame] { return frame.State().m_bCancelRequested; });

    MainState& state = frame.State();
    // Turning the kept copy off never skips the check before the erase.
    state.m_bCheckBeforeWrite = true;
    state.m_bKeepBeforeWrite = frame.UserProfile().GetInt(kSectionUserData, kKeepKey, 1) != 0;
    state.m_strHistoryFolder = HistoryFolder().toStdString();
    connect(frame.Action(kCmdKeepBeforeWrite), &QAction::triggered, this,
            [this] { ToggleKeepBeforeWrite(); });
    connect(frame.Action(kCmdUnitHistory), &QAction::triggered, this,
            [this] { ShowUnitHistory(); });

    QAction* trace = frame.Action(kCmdLinkTrace);
    trace->setStatusTip(trace->statusTip().arg(TraceFolder()));
    if (frame.UserProfile().GetInt(kSectionUserData, kLinkTraceKey, 0) != 0)
        m_link->SetTraceFolder(TraceFolder().toStdString());
    connect(trace, &QAction::triggered, this, [this] { ToggleLinkTrace(); });

    m_pDetails->setObjectName("verifyDetails");
    m_pDetails->setToolTip(
        QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kDetailsTip));
    m_pDetails->hide();
    frame.Window().statusBar()->addWidget(m_pDetails);
    // Stays in the status bar from a write that left the unit partly written
    // until a write ends whole.
    m_pPartly->setObjectName("unitPartlyWritten");
    ShowAsWarning(*m_pPartly);
    m_pPartly->hide();
    frame.Window().statusBar()->addPermanentWidget(m_pPartly);
    connect(m_pDetails, &QPushButton::clicked, this, [this] { ShowVerifyDetails(); });
}

QString UnitCommandGroup::TraceFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/traces";
}

QString UnitCommandGroup::HistoryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/" +
           UnitHistory::kFolderName;
}

UnitCommandGroup::~UnitCommandGroup() = default;

void UnitCommandGroup::UpdateCommands() {
    m_pDifferences->Follow();
    const bool busy = m_frame.State().m_bBusy;
    for (int id : {kCmdReadUnit, kCmdWriteUnit, kCmdCompareUnit})
        m_frame.Action(id)->setEnabled(*DocumentCommandEnabled(id, m_frame.Doc(), busy));
    QAction* verify = m_frame.Action(kCmdVerifyWrite);
    verify->setEnabled(!busy);
    verify->setChecked(m_frame.State().m_bEnableVerify);
    m_frame.Action(kCmdSetTime)->setEnabled(!busy);
    m_frame.Action(kCmdConfigureModem)->setEnabled(!busy);
    QAction* keep = m_frame.Action(kCmdKeepBeforeWrite);
    keep->setEnabled(!busy);
    keep->setChecked(m_frame.State().m_bKeepBeforeWrite);
    m_frame.Action(kCmdUnitHistory)->setEnabled(!busy);
    QAction* trace = m_frame.Action(kCmdLinkTrace);
    trace->setEnabled(!busy);
    trace->setChecked(!m_link->TraceFolder().empty());
    if (!m_bRunning && m_frame.State().m_nVerifyDifferences == 0) m_pDetails->hide();
}

UnitContext UnitCommandGroup::Context() {
    return UnitContext{m_frame.Doc(),
                       m_frame.Tree(),
                       m_frame.Prompter(),
                       m_frame.State(),
                       *m_link,
                       *m_pLinkUi,
                       m_clock,
                       m_frame.DocContext().m_pRecent};
}

template <typename Command>
void UnitCommandGroup::Run(Command command) {
    if (m_bRunning || m_frame.State().m_bBusy) return;
    m_bRunning = true;
    m_pDetails->hide();
    UnitContext c = Context();
    command(c);
    m_bRunning = false;
    m_pDetails->setVisible(m_frame.State().m_nVerifyDifferences > 0);
    m_pPartly->setVisible(m_frame.State().m_bUnitPartlyWritten);
    m_frame.UpdateCommands();
}

void UnitCommandGroup::ReadUnit() {
    Run([this](UnitContext& c) {
        Done(ReadCommand(c), QCoreApplication::translate("Unit", UnitMessages::kReadDone));
    });
}

void UnitCommandGroup::CompareWithUnit() {
    if (!*DocumentCommandEnabled(kCmdCompareUnit, m_frame.Doc(), m_frame.State().m_bBusy)) return;
    CZRTProDoc unit;
    bool read = false;
    Run([&unit, &read](UnitContext& c) { read = ReadCopyCommand(c, unit); });
    if (!read) return;
    m_frame.SetStatusText(
        QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kCompared));
    m_nComparedGeneration = m_frame.State().m_history.Generation();
    m_nComparedWrites = m_nUnitWrites;
    m_pDifferences->Show(
        CompareConfigurations(m_frame.Doc(), unit),
        QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kCompareUnitCaption),
        QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kCompareHeading));
}

void UnitCommandGroup::WizardReadUnit() {
    Run([this](UnitContext& c) {
        Done(WizardReadCommand(c), QCoreApplication::translate("Unit", UnitMessages::kReadDone));
    });
}

// The status bar says what was done; after a failure the messages have said why.
void UnitCommandGroup::Done(bool ok, const QString& text) {
    if (ok) m_frame.SetStatusText(text);
}

bool UnitCommandGroup::PostWizardRead() {
    if (m_bWizardReadPending) return false;
    m_bWizardReadPending = true;
    m_frame.State().m_bVerifyPass = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
            WizardReadUnit();
            m_bWizardReadPending = false;
        },
        Qt::QueuedConnection);
    return true;
}

void UnitCommandGroup::WriteUnit() {
    Run([this](UnitContext& c) {
        // A verified write has said so already.
        const bool written = WriteCommand(c);
        ++m_nUnitWrites;
        if (!c.m_state.m_bEnableVerify)
            Done(written, QCoreApplication::translate("Unit", UnitMessages::kWriteDone));
    });
}

void UnitCommandGroup::RestoreToUnit(const std::vector<uint8_t>& image,
                                     const std::string& copyName) {
    Run([this, &image, &copyName](UnitContext& c) {
        const bool written = RestoreCommand(c, image, copyName);
        ++m_nUnitWrites;
        if (!c.m_state.m_bEnableVerify)
            Done(written,
                 QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kRestoreDone));
    });
}

void UnitCommandGroup::ToggleKeepBeforeWrite() {
    if (m_frame.State().m_bBusy) return;
    MainState& s = m_frame.State();
    s.m_bKeepBeforeWrite = !s.m_bKeepBeforeWrite;
    m_frame.UserProfile().SetInt(kSectionUserData, kKeepKey, s.m_bKeepBeforeWrite ? 1 : 0);
    m_frame.UpdateCommands();
}

// A kept copy, or nothing after saying it cannot be read.
std::optional<std::vector<uint8_t>> UnitCommandGroup::LoadKept(const UnitHistoryEntry& e,
                                                               QWidget* owner) {
    std::optional<std::vector<uint8_t>> image = UnitHistory::LoadImage(e.m_strImagePath);
    if (!image)
        QMessageBox::warning(
            owner, QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kHistoryTitle),
            QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kHistoryUnreadable)
                .arg(QString::fromStdString(e.m_strImagePath)));
    return image;
}

void UnitCommandGroup::ShowUnitHistory() {
    if (m_bRunning || m_frame.State().m_bBusy) return;
    UnitHistoryDlg* shown = nullptr;
    UnitHistoryDlg::Actions actions;
    actions.m_compare = [this, &shown](const UnitHistoryEntry& e) {
        const auto image = LoadKept(e, shown);
        if (!image) return;
        CZRTProDoc kept;
        QtPrompter& prompter = m_frame.Prompter();
        QWidget* owner = prompter.SetOwner(shown);
        // The copy is read as the model it holds, whatever the open configuration's.
        CZRTProDoc model = m_frame.Doc();
        if (const int ports = DescribeUnitCopy(*image).m_nPorts) model.m_nPortCount = ports;
        const bool decoded = DecodeUnitCopy(*image, model, kept, &prompter);
        prompter.SetOwner(owner);
        if (!decoded) return;
        DiffDialog dialog(
            CompareConfigurations(m_frame.Doc(), kept),
            QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kHistoryCompareCaption),
            QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kHistoryCompareHeading),
            DiffDialog::Mode::Show, shown);
        dialog.exec();
    };
    actions.m_open = [this, &shown](const UnitHistoryEntry& e) {
        const auto image = LoadKept(e, shown);
        if (!image) return;
        QtPrompter& prompter = m_frame.Prompter();
        QWidget* owner = prompter.SetOwner(shown);
        UnitContext c = Context();
        const bool opened = OpenUnitImage(c, *image);
        prompter.SetOwner(owner);
        if (opened) {
            m_frame.UpdateCommands();
            shown->accept();
        }
    };
    actions.m_restore = [this, &shown](const UnitHistoryEntry& e) {
        const auto image = LoadKept(e, shown);
        if (!image) return;
        // The transfer shows its progress page in the window behind.
        shown->hide();
        RestoreToUnit(*image, e.m_strTime);
        shown->accept();
    };
    UnitHistoryDlg dialog(UnitHistory(m_frame.State().m_strHistoryFolder), std::move(actions),
                          &m_frame.Window());
    shown = &dialog;
    dialog.exec();
    // The keys go back to the window, whatever the history window left open.
    m_frame.Window().activateWindow();
}

void UnitCommandGroup::ToggleVerifyWrite() {
    if (m_frame.State().m_bBusy) return;
    ToggleEnableVerify(m_frame.State(), m_frame.UserProfile());
    m_frame.UpdateCommands();
}

void UnitCommandGroup::SetUnitTime() {
    Run([this](UnitContext& c) {
        Done(SetTimeCommand(c), QCoreApplication::translate("Unit", UnitMessages::kClockSet));
    });
}

void UnitCommandGroup::ToggleLinkTrace() {
    if (m_frame.State().m_bBusy) return;
    const bool on = m_link->TraceFolder().empty();
    m_link->SetTraceFolder(on ? TraceFolder().toStdString() : std::string());
    m_frame.UserProfile().SetInt(kSectionUserData, kLinkTraceKey, on ? 1 : 0);
    m_frame.UpdateCommands();
}

void UnitCommandGroup::ShowVerifyDetails() {
    VerifyDetailsDlg dialog(m_frame.State(), &m_frame.Window());
    dialog.exec();
}

void UnitCommandGroup::ConfigureRemoteModem() {
    if (m_bRunning || m_frame.State().m_bBusy) return;
    m_bRunning = true;
    m_frame.SetStatusText(QCoreApplication::translate("Modem", ModemMessages::kStatusConfiguring));
    ModemDlg dialog(&m_frame.Window());
    // The dialog ends accepted only once its last step has been done.
    const bool done = dialog.exec() == QDialog::Accepted;
    m_frame.SetStatusText(ShownText(dialog.Setup().StatusAfter(done)));
    m_bRunning = false;
    m_frame.UpdateCommands();
}

void UnitCommandGroup::ShowConnecting(bool on) {
    MainState& s = m_frame.State();
    // A Cancel during the connect ends the connect only, never what follows.
    s.m_bCancelRequested = false;
    if (!on) {
        if (!m_bConnectingShown) return;
        m_bConnectingShown = false;
        UnitContext c = Context();
        EndLinkUi(c);
        return;
    }
    // Within a transfer already under way its page stays as it is.
    if (s.m_bBusy) return;
    m_bConnectingShown = true;
    m_pLinkUi->ShowLinkPage(false);
    s.m_bBusy = true;
    m_frame.Prompter().SetTransferLine(Tr("Unit", UnitMessages::kConnectingLine), "");
}
