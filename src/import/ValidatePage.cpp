#include "import/ValidatePage.h"

#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "import/ImportMessages.h"
#include "import/WizardControls.h"
#include "model/Format.h"

namespace {

using namespace ImportMessages;
namespace WC = WizardControl;

WizardCheck Accept() { return {}; }
WizardCheck Refuse(std::string message, int focus = WC::kNone) {
    return {1, std::move(message), focus};
}

// Digits only; a value too large for the program is kept at INT_MAX so that
// it fails the range checks instead of wrapping round.
std::optional<int> ParseDigits(const std::string& text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(value);
}

// The camera interface unit count, then the master unit.
WizardCheck CheckHardware(const WizardEntries& e, WizardAnswers& a) {
    const auto ciu = ParseDigits(e.m_strCiuCount);
    if (!ciu) return Refuse(Tr("Import", kSpecifyInteger), WC::kCiuCount);
    a.m_nCiuCount = *ciu;
    if (a.m_nCiuCount > 8) return Refuse(Tr("Import", kCiuRange), WC::kCiuCount);
    if (e.m_bFourPort) {
        a.m_nRows = 1;
        if (a.m_nCiuCount > 4) return Refuse(Tr("Import", kOneRowCiuLimit), WC::kCiuCount);
        return Accept();
    }
    if (e.m_bEightPort) {
        a.m_nRows = 2;
        return Accept();
    }
    return Refuse(Tr("Import", kSelectM4400Rows));
}

WizardCheck CheckFileNamed(const WizardEntries& e, WizardAnswers& a) {
    a.m_nInputMethod = 4;
    a.m_strPagingFile = e.m_strPagingFile;
    a.m_strConfigFile = e.m_strConfigFile;
    if (a.m_strPagingFile.empty() && a.m_strConfigFile.empty())
        return Refuse(Tr("Import", kChooseFilename));
    if (!a.m_strPagingFile.empty() && !a.m_strConfigFile.empty())
        return Refuse(Tr("Import", kChooseOneFilename));
    if (a.m_strPagingFile.empty()) return Accept();
    return CheckHardware(e, a);
}

// The problem with the number of expansion units, or nothing.
std::string ExpansionRangeProblem(const WizardAnswers& a) {
    const int n = a.m_nExpansionCount;
    switch (a.m_nSystemType) {
        case 1:
            if (a.m_nDialDigits == 2 && n > 3) return Tr("Import", kQuillonTwoDigitPorts);
            return n > 8 ? Tr("Import", kQuillonPortsRange) : std::string();
        case 2:
            return n < 1 || n > 15 ? Tr("Import", kLunettaCardsRange) : std::string();
        default:
            return n > 3 ? Tr("Import", kM7700UnitsRange) : std::string();
    }
}

WizardCheck CheckDescribed(const WizardEntries& e, WizardAnswers& a) {
    a.m_nInputMethod = 5;
    if (e.m_bQuillon)
        a.m_nSystemType = 1;
    else if (e.m_bLunetta)
        a.m_nSystemType = 2;
    else if (e.m_bM7700)
        a.m_nSystemType = 3;
    else
        return Refuse(Tr("Import", kSelectSystemType));

    if (a.m_nSystemType == 2) {
        a.m_nDialDigits = 3;
    } else {
        if (e.m_strDialDigits.empty()) return Refuse(Tr("Import", kEnterValue), WC::kDialDigits);
        const auto digits = ParseDigits(e.m_strDialDigits);
        if (!digits) return Refuse(Tr("Import", kSpecifyInteger), WC::kDialDigits);
        a.m_nDialDigits = *digits;
        if (a.m_nDialDigits != 2 && a.m_nDialDigits != 3)
            return Refuse(Tr("Import", kDialDigitsRange), WC::kDialDigits);
    }

    const auto expansion = ParseDigits(e.m_strExpansionCount);
    if (!expansion) return Refuse(Tr("Import", kSpecifyInteger), WC::kExpansionCount);
    a.m_nExpansionCount = *expansion;
    if (std::string problem = ExpansionRangeProblem(a); !problem.empty())
        return Refuse(std::move(problem), WC::kExpansionCount);
    return CheckHardware(e, a);
}

}  // namespace

WizardCheck ValidatePage(const WizardEntries& entries, WizardAnswers& answers) {
    if (entries.m_bSpecifyFilename) return CheckFileNamed(entries, answers);
    if (entries.m_bSpecifyConfiguration) return CheckDescribed(entries, answers);
    return Refuse(Tr("Import", kSelectInputMethod));
}

WizardCheck CheckNamedFileExists(const WizardAnswers& a) {
    std::error_code ec;
    const auto missing = [&ec](const std::string& path) {
        return !path.empty() && !std::filesystem::exists(path, ec);
    };
    if (missing(a.m_strConfigFile))
        return {1, ReplaceArg1(Tr("Import", kFileNotFound), a.m_strConfigFile), WC::kConfigFile};
    if (missing(a.m_strPagingFile))
        return {1, ReplaceArg1(Tr("Import", kFileNotFound), a.m_strPagingFile), WC::kPagingFile};
    return Accept();
}
