#include "unit/widgets/PasswordDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "unit/widgets/UnitWidgetMessages.h"

namespace {
// The unit keeps nine password cells.
constexpr int kPasswordMax = 9;
}  // namespace

PasswordDlg::PasswordDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("PasswordDlg");
    setWindowTitle(QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kPasswordTitle));
    auto* column = new QVBoxLayout(this);
    auto* ask = new QLabel(
        QCoreApplication::translate("UnitWidgets", UnitWidgetMessages::kPasswordAsk), this);
    column->addWidget(ask);
    m_pPassword = new QLineEdit(this);
    ask->setBuddy(m_pPassword);
    m_pPassword->setObjectName("password");
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setMaxLength(kPasswordMax);
    // Keeps the text out of the desktop's input-method history and clipboard.
    m_pPassword->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData |
                                     Qt::ImhNoPredictiveText);
    column->addWidget(m_pPassword);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

std::optional<std::string> PasswordDlg::Ask(QWidget* parent) {
    PasswordDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    std::string password = dialog.m_pPassword->text().toLatin1().toStdString();
    dialog.m_pPassword->clear();
    return password;
}
