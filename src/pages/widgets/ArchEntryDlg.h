#pragma once

#include <QDialog>

class QLineEdit;

// "Enter New Arch Number or Name": a new number (4 characters at most, typed
// only for a non-pageable input; otherwise shown read-only) and a new name (15
// at most). The stored values are shown whole, and the focus starts in the
// field that can be typed first. OK closes the dialog only while a number is there.
class ArchEntryDlg : public QDialog {
    Q_OBJECT
public:
    ArchEntryDlg(const QString& arch, const QString& name, bool archEditable,
                 QWidget* parent = nullptr);

    QString Arch() const;
    QString Name() const;

    void accept() override;

private:
    QLineEdit* m_pArch;
    QLineEdit* m_pName;
};
