#pragma once

#include <string>

#include "import/WizardAnswers.h"
#include "import/WizardEntries.h"

// The outcome of the wizard's Finish check: 0 with the answers complete, or 1
// with the message to show and the field (a WizardControl id, or kNone) that
// gets the focus with its whole text selected.
struct WizardCheck {
    int m_nResult = 0;
    std::string m_strMessage;
    int m_nFocus = 0;
};

// Checks the page in the wizard's order and stops at the first problem. The
// answers are filled as far as the checks got, as the page's members are.
WizardCheck ValidatePage(const WizardEntries& entries, WizardAnswers& answers);

// After the page was accepted: a file named that does not exist is refused
// with a message naming it, and its field gets the focus.
WizardCheck CheckNamedFileExists(const WizardAnswers& answers);
