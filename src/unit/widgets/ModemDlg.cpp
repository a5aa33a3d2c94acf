#include "unit/widgets/ModemDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "lang/ShownText.h"
#include "unit/ModemMessages.h"
#include "unit/ModemSetup.h"
#include "unit/link/EnumSerialPorts.h"
#include "unit/link/StreamUnitLink.h"
#include "unit/widgets/UnitWidgetMessages.h"
#include "window/AccessibleNames.h"
#include "window/ReadablePalette.h"
#include "window/ScrollingBody.h"

namespace UWM = UnitWidgetMessages;

namespace {

constexpr int kSteps = 5;

// The wait for the modem's answer. The dialog repaints meanwhile but takes no
// clicks, so no step can start inside another.
void WaitForModem(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Steps 3 and 5 wait for the modem's answers; the cursor says so meanwhile.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The log and instructions hold the modem's own line ends.
QString Shown(const std::string& text) {
    QString shown = ShownText(text);
    shown.replace("\r\n", "\n");
    shown.remove('\r');
    return shown;
}

}  // namespace

ModemDlg::ModemDlg(QWidget* parent)
    : QDialog(parent),
      m_link(std::make_unique<StreamUnitLink>(StreamUnitLink::ConnectionProvider{},
                                              StreamUnitLink::PasswordProvider{})) {
    setObjectName("ModemDlg");
    setWindowTitle(QCoreApplication::translate("Modem", ModemMessages::kDialogTitle));
    m_setup = std::make_unique<ModemSetup>(*m_link, EnumSerialPorts, WaitForModem);

    auto* instructionsLabel =
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kModemInstructions), this);
    m_pInstructions = new QPlainTextEdit(this);
    m_pInstructions->setReadOnly(true);
    instructionsLabel->setBuddy(m_pInstructions);
    m_pInstructions->setMinimumSize(360, 110);
    m_pPort = new QComboBox(this);
    m_pPort->setEditable(true);
    m_pPort->setInsertPolicy(QComboBox::NoInsert);
    auto* portLabel = new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kModemPort), this);
    portLabel->setBuddy(m_pPort);
    m_pPort->lineEdit()->setAccessibleName(NameOfLabel(portLabel->text()));
    m_pInitString = new QLineEdit(this);
    m_pInitString->setMaxLength(ModemMessages::kInitStringMax);
    auto* initLabel =
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kModemInitString), this);
    initLabel->setBuddy(m_pInitString);
    auto* logLabel = new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kModemLog), this);
    m_pLog = new QPlainTextEdit(this);
    m_pLog->setReadOnly(true);
    m_pLog->setMinimumHeight(140);
    logLabel->setBuddy(m_pLog);

    m_pIndicator = new QProgressBar(this);
    m_pIndicator->setOrientation(Qt::Vertical);
    m_pIndicator->setRange(0, kSteps);
    m_pIndicator->setTextVisible(false);
    m_pIndicator->setAccessibleName(
        QCoreApplication::translate("UnitWidgets", UWM::kModemStepsName));
    ShowGreenProgress(*m_pIndicator);
    auto* indicator = new QVBoxLayout;
    indicator->addWidget(
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kModemFinished), this));
    indicator->addWidget(m_pIndicator, 1, Qt::AlignHCenter);
    indicator->addWidget(
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kModemStarting), this));

    auto* fields = new QGridLayout;
    fields->addWidget(instructionsLabel, 0, 0, 1, 2);
    fields->addWidget(m_pInstructions, 1, 0, 1, 2);
    fields->addWidget(portLabel, 2, 0);
    fields->addWidget(m_pPort, 2, 1);
    fields->addWidget(initLabel, 3, 0);
    fields->addWidget(m_pInitString, 3, 1);
    fields->addWidget(logLabel, 4, 0, 1, 2);
    fields->addWidget(m_pLog, 5, 0, 1, 2);
    fields->setColumnStretch(1, 1);
    auto* panes = new QHBoxLayout;
    panes->addLayout(indicator);
    panes->addLayout(fields, 1);

    m_pQuit = new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kModemQuit), this);
    m_pBack = new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kModemBack), this);
    m_pNext = new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kModemNext), this);
    m_pNext->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pQuit);
    buttons->addStretch(1);
    buttons->addWidget(m_pBack);
    buttons->addWidget(m_pNext);
    auto* column = new QVBoxLayout(ScrollingBody(*this));
    column->addLayout(panes, 1);
    column->addLayout(buttons);

    connect(m_pQuit, &QPushButton::clicked, this, &ModemDlg::reject);
    connect(m_pNext, &QPushButton::clicked, this, &ModemDlg::Proceed);
    connect(m_pBack, &QPushButton::clicked, this, &ModemDlg::Back);

    m_setup->SetRefresh([this] { ShowFields(); });
    m_pInitString->setText(QString::fromLatin1(m_setup->m_strInitString));
    m_setup->Open();
}

ModemDlg::~ModemDlg() = default;

void ModemDlg::reject() {
    m_setup->Quit();
    QDialog::reject();
}

void ModemDlg::TakeControls() {
    m_setup->SetInitString(m_pInitString->text().toLatin1().toStdString());
    const std::string typed = m_pPort->currentText().trimmed().toLatin1().toStdString();
    if (typed.empty()) return;
    auto& ports = m_setup->m_ports;
    auto found = std::find(ports.begin(), ports.end(), typed);
    // A port the computer does not list (a path typed in) is taken as it stands.
    if (found == ports.end()) found = ports.insert(ports.end(), typed);
    m_setup->SelectPort(static_cast<int>(found - ports.begin()));
}

void ModemDlg::Proceed() {
    TakeControls();
    {
        const BusyCursor busy;
        m_setup->Proceed();
    }
    if (m_setup->m_bClosed) accept();
}

void ModemDlg::Back() {
    TakeControls();
    const BusyCursor busy;
    m_setup->Back();
}

void ModemDlg::ShowFields() {
    const ModemSetup& s = *m_setup;
    m_pInstructions->setPlainText(ShownText(s.m_strInstructions));
    m_pLog->setPlainText(Shown(s.m_strLog));
    m_pLog->verticalScrollBar()->setValue(m_pLog->verticalScrollBar()->maximum());
    m_pInitString->setText(QString::fromLatin1(s.m_strInitString));
    {
        const QSignalBlocker block(m_pPort);
        m_pPort->clear();
        for (const std::string& port : s.m_ports) m_pPort->addItem(QString::fromLatin1(port));
        m_pPort->setCurrentIndex(s.m_nSelectedPort);
    }
    m_pPort->setEnabled(s.m_bPortListEnabled);
    m_pInitString->setEnabled(s.m_bInitStringEnabled);
    m_pBack->setEnabled(s.m_bBackEnabled);
    m_pNext->setEnabled(s.m_bNextEnabled);
    m_pIndicator->setValue(s.m_nIndicator);
    if (s.m_bPortListFocus) m_pPort->setFocus();
    // Each line of the log is shown as it arrives.
    m_pLog->repaint();
}
