#pragma once

#include <cstdint>
#include <string>

// The setup wizard's answers, complete once ValidatePage accepted the page.
struct WizardAnswers {
    std::string m_strPagingFile;
    std::string m_strConfigFile;
    int32_t m_nSystemType = -1;   // 1 Quillon, 2 Lunetta, 3 M-7700
    int32_t m_nInputMethod = -1;  // 4 file named, 5 configuration described
    int32_t m_nExpansionCount = 1;
    int32_t m_nDialDigits = 3;
    int32_t m_nCiuCount = 1;
    int32_t m_nRows = 1;  // 1 four-port unit, 2 eight-port unit
};

// The setup wizard as the builds see it; the window shows the real page.
class WizardDialog {
public:
    virtual ~WizardDialog() = default;
    // Runs the page modally; true when it ended with Finish (or the
    // configuration file Browse), with the answers filled in.
    virtual bool Run(WizardAnswers& answers) = 0;
};
