#pragma once

#include <QDialog>

// Help > About: the program's icon, name and version.
class AboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit AboutDlg(QWidget* parent = nullptr);
};
