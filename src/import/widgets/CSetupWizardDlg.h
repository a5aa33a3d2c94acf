#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "import/WizardAnswers.h"
#include "import/WizardEntries.h"
#include "model/Prompter.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

// The setup wizard page: name a file, describe the paging system and the
// hardware, or read the unit. Finish checks the entries; the answers are
// complete once the page ended with OK.
class CSetupWizardDlg : public QDialog {
    Q_OBJECT
public:
    CSetupWizardDlg(Prompter& prompter, QWidget* parent = nullptr);

    // Asked when the read-unit radio is clicked: true when a unit read was
    // posted (the page then closes), false when one is already waiting.
    std::function<bool()> m_requestUnitRead;

    // The control of the given WizardControl id (1 is Finish, 2 is Cancel).
    QWidget* Control(int id) const { return m_controls.at(id); }
    const WizardAnswers& Answers() const { return m_answers; }

    // Shows the controls of the chosen method, as the radios stand now.
    void UpdateControls();
    // The Finish check: 0 with the answers complete, 1 after a message.
    int ValidatePage();

    void accept() override;

private:
    QRadioButton* Radio(int id) const;
    QLineEdit* Edit(int id) const;
    WizardEntries Entries() const;
    void BrowseConfigFile();
    void BrowsePagingFile();
    void ReadUnitClicked();
    void HideMethodChoice();
    void ShowMethodChoice();
    void BuildControls();
    void LayOut();
    void KeepRoomForEveryLayout();

    Prompter& m_prompter;
    std::map<int, QWidget*> m_controls;
    WizardAnswers m_answers;
    QVBoxLayout* m_pColumn = nullptr;
};
