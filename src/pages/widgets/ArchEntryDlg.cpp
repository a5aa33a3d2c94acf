#include "pages/widgets/ArchEntryDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/PageMessages.h"
#include "pages/widgets/PageWidgetMessages.h"
#include "tree/ArchRules.h"

ArchEntryDlg::ArchEntryDlg(const QString& arch, const QString& name, bool archEditable,
                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kArchEntryCaption));
    // The limits apply to what is typed: a stored number or name that is longer
    // (station numbers and dial strings can be) is shown whole.
    m_pArch = new QLineEdit(this);
    m_pArch->setObjectName("newArch");
    m_pArch->setMaxLength(static_cast<int>(std::max<qsizetype>(kArchMaxLength, arch.size())));
    m_pArch->setText(arch);
    if (!archEditable) {
        m_pArch->setReadOnly(true);
        m_pArch->setFocusPolicy(Qt::ClickFocus);
        // Drawn on the dialog's own background, as a field that takes no typing.
        QPalette palette = m_pArch->palette();
        palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
        m_pArch->setPalette(palette);
    }
    m_pName = new QLineEdit(this);
    m_pName->setObjectName("newName");
    m_pName->setMaxLength(static_cast<int>(std::max<qsizetype>(kNameLength, name.size())));
    m_pName->setText(name);
    // Wide enough for fifteen of the widest characters a name may hold.
    m_pName->setMinimumWidth(m_pName->fontMetrics().horizontalAdvance(QString(16, 'W')));

    auto* fields = new QFormLayout;
    fields->addRow(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kNewArch),
                   m_pArch);
    fields->addRow(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kNewName),
                   m_pName);
    auto* help = new QLabel(QCoreApplication::translate("Pages", PageMessages::kArchHelp), this);
    help->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons
        ->addButton(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kOkText),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kCancelText),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ArchEntryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ArchEntryDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(help);
    layout->addWidget(buttons);
    (archEditable ? m_pArch : m_pName)->setFocus();
}

QString ArchEntryDlg::Arch() const { return m_pArch->text(); }
QString ArchEntryDlg::Name() const { return m_pName->text(); }

void ArchEntryDlg::accept() {
    if (m_pArch->text().isEmpty()) return;
    QDialog::accept();
}
