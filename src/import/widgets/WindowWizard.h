#pragma once

#include <functional>

#include "import/WizardAnswers.h"

class QtPrompter;
class QWidget;

// The setup wizard as the window runs it: the real page, modal over the main
// window, asking its questions and file names through the window's prompter.
class WindowWizard : public WizardDialog {
public:
    WindowWizard(QWidget* owner, QtPrompter& prompter, std::function<bool()> requestUnitRead);

    bool Run(WizardAnswers& answers) override;

private:
    QWidget* m_pOwner;
    QtPrompter& m_prompter;
    std::function<bool()> m_requestUnitRead;
};
