#pragma once

#include <QDialog>
#include <map>

#include "model/Prompter.h"

// "Please select the main unit model number": the four-port or eight-port
// master unit and, when asked for, the number of camera interface units. Only
// OK gives an answer; the callers ask again after Escape or the close box.
class CUnitModelDlg : public QDialog {
    Q_OBJECT
public:
    CUnitModelDlg(Prompter& prompter, bool showExpansion, QWidget* parent = nullptr);

    // The control of the given UnitModelControl id.
    QWidget* Control(int id) const { return m_controls.at(id); }
    const UnitModelAnswer& Answer() const { return m_answer; }

    void accept() override;

private:
    Prompter& m_prompter;
    std::map<int, QWidget*> m_controls;
    UnitModelAnswer m_answer;
};
