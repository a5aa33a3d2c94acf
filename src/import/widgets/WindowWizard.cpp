#include "import/widgets/WindowWizard.h"

#include "import/widgets/CSetupWizardDlg.h"
#include "window/QtPrompter.h"

WindowWizard::WindowWizard(QWidget* owner, QtPrompter& prompter,
                           std::function<bool()> requestUnitRead)
    : m_pOwner(owner), m_prompter(prompter), m_requestUnitRead(std::move(requestUnitRead)) {}

bool WindowWizard::Run(WizardAnswers& answers) {
    CSetupWizardDlg page(m_prompter, m_pOwner);
    page.m_requestUnitRead = m_requestUnitRead;
    // The page's messages and file dialogs sit over the page.
    QWidget* previous = m_prompter.SetOwner(&page);
    const bool finished = page.exec() == QDialog::Accepted;
    m_prompter.SetOwner(previous);
    if (finished) answers = page.Answers();
    return finished;
}
