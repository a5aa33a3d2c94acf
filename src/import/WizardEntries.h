#pragma once

#include <string>

// What the setup wizard page holds when Finish is pressed: the radio states
// and the texts of the fields, as the page starts out.
struct WizardEntries {
    bool m_bSpecifyFilename = true;         // 1017
    bool m_bSpecifyConfiguration = false;   // 1018
    bool m_bQuillon = true;                 // 1030
    bool m_bLunetta = false;                // 1031
    bool m_bM7700 = false;                  // 1032
    bool m_bFourPort = true;                // 1046
    bool m_bEightPort = false;              // 1047
    std::string m_strConfigFile;            // 1002
    std::string m_strPagingFile;            // 1004
    std::string m_strExpansionCount = "1";  // 1007
    std::string m_strDialDigits = "2";      // 1012
    std::string m_strCiuCount = "1";        // 1014
};
