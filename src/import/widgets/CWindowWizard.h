#pragma once

#include <functional>

#include "import/CWizardAnswers.h"

class CQtPrompter;
class QWidget;

// The setup wizard as the window runs it: the real page, modal over the main
// window, asking its questions and file names through the window's prompter.
class CWindowWizard : public WizardDialog {
public:
    CWindowWizard(QWidget* owner, CQtPrompter& prompter, std::function<bool()> requestUnitRead);

    bool Run(CWizardAnswers& answers) override;

private:
    QWidget* m_pOwner;
    CQtPrompter& m_prompter;
    std::function<bool()> m_requestUnitRead;
};
