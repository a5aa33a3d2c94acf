#include "import/WizardLayout.h"

#include "import/ImportMessages.h"
#include "import/WizardControls.h"

namespace {
namespace WC = WizardControl;
}

const std::set<int>& SwitchedWizardControls() {
    static const std::set<int> controls = {
        WC::kConfigFile,      WC::kConfigFileBrowse,
        WC::kPagingFile,      WC::kPagingFileBrowse,
        WC::kPagingFileLabel, WC::kConfigFileLabel,
        WC::kExpansionCount,  WC::kSystemGroup,
        WC::kExpansionLabel,  WC::kDialDigits,
        WC::kDialDigitsLabel, WC::kQuillon,
        WC::kLunetta,         WC::kM7700,
        WC::kCiuCount,        WC::kCiuCountLabel,
        WC::kFourPort,        WC::kEightPort,
        WC::kHardwareGroup,
    };
    return controls;
}

WizardLayout UpdateControls(const WizardEntries& entries) {
    WizardLayout layout;
    auto& shown = layout.m_shown;
    const std::set<int> hardware = {WC::kCiuCount, WC::kCiuCountLabel, WC::kFourPort,
                                    WC::kEightPort, WC::kHardwareGroup};
    if (entries.m_bSpecifyFilename) {
        shown = {WC::kConfigFile,       WC::kConfigFileBrowse, WC::kPagingFile,
                 WC::kPagingFileBrowse, WC::kPagingFileLabel,  WC::kConfigFileLabel};
        if (!entries.m_strPagingFile.empty()) {
            shown.insert(hardware.begin(), hardware.end());
            for (int id : {WC::kConfigFile, WC::kConfigFileBrowse, WC::kConfigFileLabel})
                shown.erase(id);
            layout.m_bHideMethodChoice = true;
        }
    } else if (entries.m_bSpecifyConfiguration) {
        shown = {WC::kExpansionLabel, WC::kDialDigits, WC::kDialDigitsLabel, WC::kExpansionCount,
                 WC::kSystemGroup,    WC::kQuillon,    WC::kLunetta,         WC::kM7700};
        shown.insert(hardware.begin(), hardware.end());
        layout.m_strExpansionCaption = Tr("Import", ImportMessages::kExpansionUnitsCaption);
        if (entries.m_bLunetta) {
            layout.m_strExpansionCaption = Tr("Import", ImportMessages::kStationCardsCaption);
            shown.erase(WC::kDialDigits);
            shown.erase(WC::kDialDigitsLabel);
        }
    }
    return layout;
}
