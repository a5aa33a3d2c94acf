#pragma once

#include <set>
#include <string>

#include "import/WizardEntries.h"

// What the wizard page shows for its current radio states and file name.
struct WizardLayout {
    // Among the controls the page switches (the two file rows, the paging
    // system description and the hardware), those shown; the others are hidden.
    std::set<int> m_shown;
    // While a paging-system file is named, the method group and the
    // configuration and read radios are hidden.
    bool m_bHideMethodChoice = false;
    // The caption of the expansion count's label; empty leaves it as it is.
    std::string m_strExpansionCaption;
};

// The controls every layout starts from by hiding them.
const std::set<int>& SwitchedWizardControls();

WizardLayout UpdateControls(const WizardEntries& entries);
