#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

// Asks for the password of the unit being connected to. What is typed is
// never shown, kept or written anywhere; it goes to the unit and nowhere else.
class PasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDlg(QWidget* parent = nullptr);

    // Shows the dialog; nothing when it is cancelled.
    static std::optional<std::string> Ask(QWidget* parent);

    QLineEdit* PasswordEdit() const { return m_pPassword; }

private:
    QLineEdit* m_pPassword;
};
