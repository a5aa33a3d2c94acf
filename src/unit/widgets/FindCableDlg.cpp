#include "unit/widgets/FindCableDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "unit/widgets/UnitWidgetMessages.h"

namespace UWM = UnitWidgetMessages;

FindCableDlg::FindCableDlg(PortLister lister, QWidget* parent)
    : QDialog(parent), m_lister(std::move(lister)), m_pPoll(new QTimer(this)) {
    setObjectName("FindCableDlg");
    setWindowTitle(QCoreApplication::translate("UnitWidgets", UWM::kFindCableTitle));
    m_pInstruction =
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kFindCableUnplug), this);
    m_pInstruction->setWordWrap(true);
    m_pInstruction->setMinimumWidth(420);
    // Moves to and fro while the dialog waits for the cable.
    m_pWaiting = new QProgressBar(this);
    m_pWaiting->setRange(0, 0);
    m_pWaiting->setTextVisible(false);
    m_pWaiting->setAccessibleName(
        QCoreApplication::translate("UnitWidgets", UWM::kFindCableWaitingName));
    m_pWaiting->hide();
    m_pFound = new QListWidget(this);
    m_pFound->setAccessibleName(
        QCoreApplication::translate("UnitWidgets", UWM::kFindCableFoundName));
    m_pFound->hide();
    auto* buttons = new QDialogButtonBox(this);
    m_pNext = buttons->addButton(QCoreApplication::translate("UnitWidgets", UWM::kFindCableNext),
                                 QDialogButtonBox::ActionRole);
    m_pUse = buttons->addButton(QCoreApplication::translate("UnitWidgets", UWM::kFindCableUse),
                                QDialogButtonBox::AcceptRole);
    m_pUse->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_pNext->setDefault(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pInstruction);
    column->addWidget(m_pWaiting);
    column->addWidget(m_pFound, 1);
    column->addWidget(buttons);

    m_pPoll->setInterval(kPollMs);
    connect(m_pPoll, &QTimer::timeout, this, &FindCableDlg::Look);
    connect(m_pNext, &QPushButton::clicked, this, &FindCableDlg::TakeBefore);
    connect(m_pUse, &QPushButton::clicked, this, &FindCableDlg::Use);
    connect(m_pFound, &QListWidget::itemDoubleClicked, this, &FindCableDlg::Use);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FindCableDlg::TakeBefore() {
    m_before = m_lister();
    m_nWaitedMs = 0;
    m_pNext->hide();
    m_pWaiting->show();
    m_pUse->setDefault(true);
    m_pInstruction->setText(QCoreApplication::translate("UnitWidgets", UWM::kFindCablePlug));
    m_pPoll->start();
}

void FindCableDlg::Look() {
    m_nWaitedMs += kPollMs;
    const std::vector<SerialPortEntry> added = NewSerialPorts(m_before, m_lister());
    if (added.empty()) {
        if (m_nWaitedMs >= kNothingYetMs)
            m_pInstruction->setText(
                QCoreApplication::translate("UnitWidgets", UWM::kFindCableNothing));
        return;
    }
    m_pPoll->stop();
    m_pWaiting->hide();
    m_found = added;
    m_pFound->clear();
    for (const SerialPortEntry& port : m_found)
        m_pFound->addItem(QString::fromStdString(SerialPortLabel(port)));
    m_pFound->setCurrentRow(0);
    m_pFound->show();
    m_pUse->setEnabled(true);
    m_pInstruction->setText(
        m_found.size() == 1 ? QCoreApplication::translate("UnitWidgets", UWM::kFindCableFoundOne)
                            : QCoreApplication::translate("UnitWidgets", UWM::kFindCableFoundMany));
}

void FindCableDlg::Use() {
    const int row = m_pFound->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= m_found.size()) return;
    m_chosen = m_found[static_cast<size_t>(row)];
    accept();
}
