#include "unit/widgets/ConnectionDlg.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "lang/ShownText.h"
#include "unit/ConnectionAddress.h"
#include "unit/PastedConnection.h"
#include "unit/widgets/FindCableDlg.h"
#include "unit/widgets/UnitWidgetMessages.h"
#include "unit/widgets/WindowUnitLink.h"
#include "window/AccessibleNames.h"
#include "window/ReadablePalette.h"
#include "window/ScrollingBody.h"

namespace UWM = UnitWidgetMessages;

namespace {

constexpr const char* kLastPortKey = "LastSerialPort";
constexpr int kDefaultTcpPort = 4001;
constexpr int kSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
enum Via { kSerial, kTcp, kModem, kRfc2217 };

QString Latin1(const std::string& text) { return QString::fromLatin1(text); }
std::string Bytes(const QString& text) { return text.trimmed().toLatin1().toStdString(); }

}  // namespace

ConnectionDlg::ConnectionDlg(Profile& profile, QWidget* parent, PortLister ports)
    : QDialog(parent),
      m_profile(profile),
      m_ports(std::move(ports)),
      m_book(AddressBook::Load(profile)) {
    setObjectName("ConnectionDlg");
    setWindowTitle(QCoreApplication::translate("UnitWidgets", UWM::kConnectTitle));

    auto* units = new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kUnits), this);
    m_pUnits = new QListWidget(this);
    m_pUnits->setMinimumWidth(220);
    units->setBuddy(m_pUnits);
    m_pUnits->setAccessibleName(NameOfLabel(units->text()));
    m_pNew = new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kNew), this);
    m_pDelete = new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kDelete), this);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_pNew);
    listButtons->addWidget(m_pDelete);
    listButtons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(units);
    left->addWidget(m_pUnits, 1);
    left->addLayout(listButtons);

    auto* entryBox = new QGroupBox(QCoreApplication::translate("UnitWidgets", UWM::kEntry), this);
    m_pEntryBox = entryBox;
    m_pForm = new QFormLayout(entryBox);
    m_pName = new QLineEdit(entryBox);
    m_pVia = new QComboBox(entryBox);
    m_pVia->addItems({QCoreApplication::translate("UnitWidgets", UWM::kViaSerial),
                      QCoreApplication::translate("UnitWidgets", UWM::kViaTcp),
                      QCoreApplication::translate("UnitWidgets", UWM::kViaModem),
                      QCoreApplication::translate("UnitWidgets", UWM::kViaRfc2217)});
    m_pPortRow = new QWidget(entryBox);
    m_pPort = new QComboBox(m_pPortRow);
    m_pPort->setEditable(true);
    m_pPort->setInsertPolicy(QComboBox::NoInsert);
    m_pPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pPort->setMinimumContentsLength(24);
    m_pFindCable =
        new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kFindCable), m_pPortRow);
    m_pFindCable->setToolTip(QCoreApplication::translate("UnitWidgets", UWM::kFindCableTip));
    auto* portRow = new QHBoxLayout(m_pPortRow);
    portRow->setContentsMargins(0, 0, 0, 0);
    portRow->addWidget(m_pPort, 1);
    portRow->addWidget(m_pFindCable);
    FillPorts();
    m_pSpeed = new QComboBox(entryBox);
    for (int speed : kSpeeds) m_pSpeed->addItem(QString::number(speed), speed);
    m_pHost = new QLineEdit(entryBox);
    m_pTcpPort = new QSpinBox(entryBox);
    m_pTcpPort->setRange(1, 65535);
    m_pTcpPort->setValue(kDefaultTcpPort);
    m_pNumber = new QLineEdit(entryBox);
    m_pForm->addRow(QCoreApplication::translate("UnitWidgets", UWM::kName), m_pName);
    m_pForm->addRow(QCoreApplication::translate("UnitWidgets", UWM::kConnectVia), m_pVia);
    auto* portLabel = new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kPort), entryBox);
    portLabel->setBuddy(m_pPort);
    m_pPort->lineEdit()->setAccessibleName(NameOfLabel(portLabel->text()));
    m_pForm->addRow(portLabel, m_pPortRow);
    m_pForm->addRow(QCoreApplication::translate("UnitWidgets", UWM::kSpeed), m_pSpeed);
    m_pForm->addRow(QCoreApplication::translate("UnitWidgets", UWM::kHost), m_pHost);
    m_pForm->addRow(QCoreApplication::translate("UnitWidgets", UWM::kTcpPort), m_pTcpPort);
    m_pForm->addRow(QCoreApplication::translate("UnitWidgets", UWM::kNumber), m_pNumber);
    m_pDemoHint =
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kDemonstrationHint), this);
    m_pDemoHint->setWordWrap(true);
    m_pProblem = new QLabel(this);
    m_pProblem->setObjectName("problem");
    m_pProblem->setWordWrap(true);
    ShowAsWarning(*m_pProblem);
    auto* right = new QVBoxLayout;
    right->addWidget(entryBox);
    right->addWidget(m_pDemoHint);
    right->addWidget(m_pProblem);
    right->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    m_pConnect = buttons->addButton(QCoreApplication::translate("UnitWidgets", UWM::kConnect),
                                    QDialogButtonBox::AcceptRole);
    m_pConnect->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto* panes = new QHBoxLayout;
    panes->addLayout(left);
    panes->addLayout(right, 1);
    auto* column = new QVBoxLayout(ScrollingBody(*this));
    column->addLayout(panes);
    column->addWidget(buttons);

    connect(m_pUnits, &QListWidget::currentRowChanged, this, &ConnectionDlg::ShowEntry);
    connect(m_pVia, &QComboBox::currentIndexChanged, this, &ConnectionDlg::ShowVia);
    connect(m_pName, &QLineEdit::textEdited, this, &ConnectionDlg::OnNameEdited);
    connect(m_pNew, &QPushButton::clicked, this, &ConnectionDlg::NewEntry);
    connect(m_pDelete, &QPushButton::clicked, this, &ConnectionDlg::DeleteEntry);
    connect(m_pFindCable, &QPushButton::clicked, this, &ConnectionDlg::FindCable);
    connect(m_pConnect, &QPushButton::clicked, this, &ConnectionDlg::ConnectEntry);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A connection pasted anywhere in the dialog fills the entry: an editable
    // combo box hands its keys to its text field itself, so both are watched.
    for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);

    const int last = m_book.Find(m_book.m_strLastUsed);
    FillUnits(last >= 0 ? last + 1 : (m_book.Entries().empty() ? 0 : 1));
}

bool ConnectionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) && m_pEntryBox->isEnabled()) {
        const std::string text = QGuiApplication::clipboard()->text().toLatin1().toStdString();
        if (const auto where = PastedConnection(text)) {
            ShowConnection(*where);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<std::string> ConnectionDlg::Choose(Profile& profile, QWidget* parent) {
    ConnectionDlg dialog(profile, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

void ConnectionDlg::FillPorts() {
    const std::string current = PortDevice();
    const QSignalBlocker block(m_pPort);
    m_pPort->clear();
    for (const SerialPortEntry& port : m_ports ? m_ports() : std::vector<SerialPortEntry>{})
        m_pPort->addItem(Latin1(SerialPortLabel(port)), Latin1(port.m_strName));
    if (!current.empty()) SetPortDevice(current);
}

std::string ConnectionDlg::PortDevice() const {
    const int index = m_pPort->findText(m_pPort->currentText());
    return Bytes(index >= 0 ? m_pPort->itemData(index).toString() : m_pPort->currentText());
}

void ConnectionDlg::SetPortDevice(const std::string& device) {
    const int index = m_pPort->findData(Latin1(device));
    if (index >= 0)
        m_pPort->setCurrentIndex(index);
    else
        m_pPort->setCurrentText(Latin1(device));
}

void ConnectionDlg::FindCable() {
    FindCableDlg finder(m_ports, this);
    if (finder.exec() != QDialog::Accepted) return;
    FillPorts();
    if (m_pPort->findData(Latin1(finder.Chosen().m_strName)) < 0)
        m_pPort->addItem(Latin1(SerialPortLabel(finder.Chosen())),
                         Latin1(finder.Chosen().m_strName));
    SetPortDevice(finder.Chosen().m_strName);
}

void ConnectionDlg::FillUnits(int select) {
    const QSignalBlocker block(m_pUnits);
    m_pUnits->clear();
    m_pUnits->addItem(QCoreApplication::translate("UnitWidgets", UWM::kDemonstrationUnitShown));
    for (const AddressEntry& entry : m_book.Entries()) m_pUnits->addItem(Latin1(entry.m_strName));
    m_pUnits->setCurrentRow(std::clamp(select, 0, m_pUnits->count() - 1));
    ShowEntry(m_pUnits->currentRow());
}

bool ConnectionDlg::DemoSelected() const { return m_pUnits->currentRow() <= 0; }

void ConnectionDlg::ShowEntry(int row) {
    m_pProblem->clear();
    const bool demo = row <= 0;
    m_pEntryBox->setEnabled(!demo);
    m_pDemoHint->setVisible(demo);
    m_pDelete->setEnabled(!demo);
    if (demo) return;
    const AddressEntry& entry = m_book.Entries()[static_cast<size_t>(row - 1)];
    m_pName->setText(Latin1(entry.m_strName));
    ShowConnection(ParseConnectionAddress(entry.m_strConnection).value_or(ConnectionAddress{}));
}

// The list shows the entry under the name being typed; the book keeps it
// while the dialog is open and stores it only when the entry is used.
void ConnectionDlg::OnNameEdited(const QString& name) {
    const int row = m_pUnits->currentRow();
    if (row <= 0 || static_cast<size_t>(row) > m_book.Entries().size()) return;
    const auto index = static_cast<size_t>(row - 1);
    m_book.Replace(index, {Bytes(name), m_book.Entries()[index].m_strConnection});
    m_pUnits->item(row)->setText(name);
}

void ConnectionDlg::ShowConnection(const ConnectionAddress& where) {
    m_pVia->setCurrentIndex(where.m_kind == ConnectionAddress::Kind::Tcp       ? kTcp
                            : where.m_kind == ConnectionAddress::Kind::Modem   ? kModem
                            : where.m_kind == ConnectionAddress::Kind::Rfc2217 ? kRfc2217
                                                                               : kSerial);
    if (!where.m_strDevice.empty()) SetPortDevice(where.m_strDevice);
    const int baud = where.m_nBaud > 0 ? where.m_nBaud : ConnectionAddress::kDefaultBaud;
    if (m_pSpeed->findData(baud) < 0) m_pSpeed->addItem(QString::number(baud), baud);
    m_pSpeed->setCurrentIndex(m_pSpeed->findData(baud));
    m_pHost->setText(Latin1(where.m_strHost));
    m_pTcpPort->setValue(where.m_nPort > 0 ? where.m_nPort : kDefaultTcpPort);
    m_pNumber->setText(Latin1(where.m_strNumber));
    ShowVia();
}

void ConnectionDlg::ShowVia() {
    const int via = m_pVia->currentIndex();
    const bool network = via == kTcp || via == kRfc2217;
    m_pForm->setRowVisible(m_pPortRow, !network);
    m_pForm->setRowVisible(m_pSpeed, via != kTcp);
    m_pForm->setRowVisible(m_pHost, network);
    m_pForm->setRowVisible(m_pTcpPort, network);
    m_pForm->setRowVisible(m_pNumber, via == kModem);
}

void ConnectionDlg::NewEntry() {
    std::string device = m_profile.GetString(kSectionUserData, kLastPortKey, "");
    if (device.empty()) device = Bytes(m_pPort->itemData(0).toString());
    const size_t index = m_book.Put(m_book.NewEntry(device));
    FillUnits(static_cast<int>(index) + 1);
    m_pName->setFocus();
    m_pName->selectAll();
}

void ConnectionDlg::DeleteEntry() {
    const int row = m_pUnits->currentRow();
    if (row <= 0) return;
    m_book.Remove(static_cast<size_t>(row - 1));
    FillUnits(row - 1);
}

std::optional<std::string> ConnectionDlg::FieldsConnection() {
    ConnectionAddress where;
    const int via = m_pVia->currentIndex();
    if (via == kTcp || via == kRfc2217) {
        where.m_kind =
            via == kTcp ? ConnectionAddress::Kind::Tcp : ConnectionAddress::Kind::Rfc2217;
        where.m_strHost = Bytes(m_pHost->text());
        where.m_nPort = m_pTcpPort->value();
        if (via == kRfc2217) where.m_nBaud = m_pSpeed->currentData().toInt();
    } else {
        where.m_kind =
            via == kModem ? ConnectionAddress::Kind::Modem : ConnectionAddress::Kind::Serial;
        where.m_strDevice = PortDevice();
        where.m_nBaud = m_pSpeed->currentData().toInt();
        where.m_strNumber = Bytes(m_pNumber->text());
    }
    const ConnectionCheck check = AddressBook::CheckConnection(where);
    if (check.m_pszProblem) m_pProblem->setText(ShownText(check.m_pszProblem));
    return check.m_connection;
}

void ConnectionDlg::ConnectEntry() {
    m_pProblem->clear();
    if (DemoSelected()) {
        m_strChosen = WindowUnitLink::kDemonstrationUnit;
        m_book.m_strLastUsed.clear();
        m_book.Save(m_profile);
        accept();
        return;
    }
    const std::string name = Bytes(m_pName->text());
    const auto index = static_cast<size_t>(m_pUnits->currentRow() - 1);
    if (const char* problem = m_book.NameProblem(index, name)) {
        m_pProblem->setText(ShownText(problem));
        m_pName->setFocus();
        return;
    }
    const std::optional<std::string> connection = FieldsConnection();
    if (!connection) return;
    m_book.Replace(index, {name, *connection});
    m_book.m_strLastUsed = name;
    m_book.Save(m_profile);
    if (const std::optional<ConnectionAddress> where = ParseConnectionAddress(*connection);
        where && !where->m_strDevice.empty())
        m_profile.SetString(kSectionUserData, kLastPortKey, where->m_strDevice);
    m_strChosen = *connection;
    accept();
}
