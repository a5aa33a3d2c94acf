#include "import/widgets/CUnitModelDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "import/UnitModelRules.h"
#include "import/widgets/ImportWidgetMessages.h"
#include "import/widgets/UnitModelControls.h"

namespace {
namespace M = ImportWidgetMessages;
namespace UC = UnitModelControl;
constexpr int kMostCameraInterfaceUnits = 8;
}  // namespace

CUnitModelDlg::CUnitModelDlg(Prompter& prompter, bool showExpansion, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName("CUnitModelDlg");
    setWindowTitle(QCoreApplication::translate("ImportWidgets", M::kUnitModelTitle));
    // The caption is the question; a title bar too narrow for it cuts it off,
    // so it is asked inside the dialog as well.
    auto* question =
        new QLabel(QCoreApplication::translate("ImportWidgets", M::kUnitModelTitle), this);
    question->setObjectName("question");
    // Room for the whole caption beside the title bar's buttons as well.
    question->setMinimumWidth(fontMetrics().horizontalAdvance(question->text()) * 5 / 4 +
                              fontMetrics().height() * 6);
    auto* four =
        new QRadioButton(QCoreApplication::translate("ImportWidgets", M::kFourPortModel), this);
    auto* eight =
        new QRadioButton(QCoreApplication::translate("ImportWidgets", M::kEightPortModel), this);
    auto* models = new QButtonGroup(this);
    models->addButton(four);
    models->addButton(eight);
    four->setChecked(true);

    auto* label =
        new QLabel(QCoreApplication::translate("ImportWidgets", M::kExpansionUnits), this);
    auto* list = new QComboBox(this);
    for (int n = 0; n <= kMostCameraInterfaceUnits; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(m_answer.m_nCiuCount);
    label->setBuddy(list);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QCoreApplication::translate("ImportWidgets", M::kOkText),
                                         QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CUnitModelDlg::accept);

    m_controls = {{UC::kFourPort, four},
                  {UC::kEightPort, eight},
                  {UC::kExpansionLabel, label},
                  {UC::kExpansionList, list},
                  {UC::kOk, ok}};

    auto* expansion = new QHBoxLayout;
    expansion->addWidget(label);
    expansion->addWidget(list);
    expansion->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(question);
    column->addSpacing(fontMetrics().height() / 2);
    column->addWidget(four);
    column->addWidget(eight);
    if (showExpansion) column->addSpacing(fontMetrics().height() / 2);
    column->addLayout(expansion);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    label->setVisible(showExpansion);
    list->setVisible(showExpansion);
}

void CUnitModelDlg::accept() {
    const auto* four = static_cast<QRadioButton*>(Control(UC::kFourPort));
    const auto* eight = static_cast<QRadioButton*>(Control(UC::kEightPort));
    const auto* list = static_cast<QComboBox*>(Control(UC::kExpansionList));
    if (const char* message =
            UnitModelOk(four->isChecked(), eight->isChecked(), list->currentIndex(), m_answer)) {
        m_prompter.Message(message);
        return;
    }
    QDialog::accept();
}
