#include "unit/widgets/VerifyDetailsDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "unit/widgets/UnitWidgetMessages.h"

namespace UWM = UnitWidgetMessages;

namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QString Hex(unsigned value, int digits) {
    return "0x" + QString::number(value, 16).toUpper().rightJustified(digits, '0');
}

}  // namespace

VerifyDetailsDlg::VerifyDetailsDlg(const MainState& state, QWidget* parent) : QDialog(parent) {
    setObjectName("VerifyDetailsDlg");
    setWindowTitle(QCoreApplication::translate("UnitWidgets", UWM::kDetailsTitle));
    const auto& listed = state.m_verifyDifferences;
    const QString count = QString::number(state.m_nVerifyDifferences);
    auto* intro =
        new QLabel(state.m_nVerifyDifferences > listed.size()
                       ? QCoreApplication::translate("UnitWidgets", UWM::kDetailsFirst)
                             .arg(count)
                             .arg(listed.size())
                       : QCoreApplication::translate("UnitWidgets", UWM::kDetailsAll).arg(count),
                   this);
    intro->setWordWrap(true);

    m_pCells = new QTableWidget(static_cast<int>(listed.size()), 3, this);
    m_pCells->setHorizontalHeaderLabels(
        {QCoreApplication::translate("UnitWidgets", UWM::kDetailsAddress),
         QCoreApplication::translate("UnitWidgets", UWM::kDetailsWritten),
         QCoreApplication::translate("UnitWidgets", UWM::kDetailsRead)});
    m_pCells->setAccessibleName(QCoreApplication::translate("UnitWidgets", UWM::kDetailsTableName));
    m_pCells->verticalHeader()->hide();
    m_pCells->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_pCells->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pCells->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (size_t row = 0; row < listed.size(); ++row) {
        const int r = static_cast<int>(row);
        m_pCells->setItem(r, 0, Cell(Hex(listed[row].m_nAddress, 4)));
        m_pCells->setItem(r, 1, Cell(Hex(listed[row].m_byWritten, 2)));
        m_pCells->setItem(r, 2, Cell(Hex(listed[row].m_byRead, 2)));
    }
    m_pCells->resizeRowsToContents();
    const int rows = static_cast<int>(MainState::kVerifyDetailsKept);
    m_pCells->setMinimumHeight(m_pCells->horizontalHeader()->sizeHint().height() +
                               rows * m_pCells->verticalHeader()->defaultSectionSize() + 4);
    m_pCells->setMinimumWidth(320);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(m_pCells, 1);
    column->addWidget(buttons);
}
