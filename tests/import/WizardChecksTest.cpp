#include <gtest/gtest.h>

#include <functional>

#include "import/ImportMessages.h"
#include "import/UnitModelRules.h"
#include "import/ValidatePage.h"
#include "import/WizardControls.h"
#include "import/WizardLayout.h"

namespace {

namespace WC = WizardControl;

// The page as the user leaves it: the configuration described, Quillon, 2
// digits, one expansion port, one camera interface unit, four-port unit.
WizardEntries Described() {
    WizardEntries e;
    e.m_bSpecifyFilename = false;
    e.m_bSpecifyConfiguration = true;
    return e;
}
WizardEntries Lunetta() {
    WizardEntries e = Described();
    e.m_bQuillon = false;
    e.m_bLunetta = true;
    return e;
}
WizardEntries M7700() {
    WizardEntries e = Described();
    e.m_bQuillon = false;
    e.m_bM7700 = true;
    return e;
}
WizardEntries PagingFile() {
    WizardEntries e;
    e.m_strPagingFile = "/data/site.qpx";
    return e;
}

struct MessageCase {
    const char* what;
    WizardEntries entries;
    std::function<void(WizardEntries&)> change;
    const char* message;
    int focus;
};

TEST(ValidatePage, EachProblemGivesItsMessageAndField) {
    const char* kOneRow =
        "A M-4400 unit with one row of BNC connectors supports\na maximum of 4 EM-4500 Camera "
        "Interface Units.\n\nPlease enter a number from 0 to 4.";
    const char* kQuillon2 =
        "For Quillon systems, when the number of dial plan digits is 2 the maximum number of "
        "expansion ports is 3.\n\nPlease enter a value of 3 or less";
    const MessageCase cases[] = {
        {"no method", Described(), [](auto& e) { e.m_bSpecifyConfiguration = false; },
         "Please select an input method.", WC::kNone},
        {"no file", WizardEntries{}, [](auto&) {}, "Please choose a filename.", WC::kNone},
        {"two files", PagingFile(), [](auto& e) { e.m_strConfigFile = "/a.zrt"; },
         "Please choose only one filename.", WC::kNone},
        {"file, ciu sign", PagingFile(), [](auto& e) { e.m_strCiuCount = "-1"; },
         "Please specify an Integer", WC::kCiuCount},
        {"file, ciu 9", PagingFile(), [](auto& e) { e.m_strCiuCount = "9"; },
         "Please enter an integer from 0 to 8", WC::kCiuCount},
        {"file, 4-port with 5", PagingFile(), [](auto& e) { e.m_strCiuCount = "5"; }, kOneRow,
         WC::kCiuCount},
        {"file, no unit radio", PagingFile(), [](auto& e) { e.m_bFourPort = false; },
         "Please select the number of M-4400 rows", WC::kNone},
        {"no system type", Described(), [](auto& e) { e.m_bQuillon = false; },
         "Please select a system type.", WC::kNone},
        {"digits empty", Described(), [](auto& e) { e.m_strDialDigits = ""; },
         "Please enter a value.", WC::kDialDigits},
        {"digits letter", Described(), [](auto& e) { e.m_strDialDigits = "2a"; },
         "Please specify an Integer", WC::kDialDigits},
        {"digits 4", M7700(), [](auto& e) { e.m_strDialDigits = "4"; },
         "Please enter a 2 or 3 for Default Dial Plan digits.", WC::kDialDigits},
        {"expansion letter", Described(), [](auto& e) { e.m_strExpansionCount = "x"; },
         "Please specify an Integer", WC::kExpansionCount},
        {"quillon 2 digits 9 ports", Described(), [](auto& e) { e.m_strExpansionCount = "9"; },
         kQuillon2, WC::kExpansionCount},
        {"quillon 2 digits 4 ports", Described(), [](auto& e) { e.m_strExpansionCount = "4"; },
         kQuillon2, WC::kExpansionCount},
        {"quillon 3 digits 9 ports", Described(),
         [](auto& e) {
             e.m_strDialDigits = "3";
             e.m_strExpansionCount = "9";
         },
         "Please enter an integer from 0 to 8.", WC::kExpansionCount},
        {"lunetta empty cards", Lunetta(), [](auto& e) { e.m_strExpansionCount = ""; },
         "Please enter an integer from 1 to 15.", WC::kExpansionCount},
        {"lunetta 16 cards", Lunetta(), [](auto& e) { e.m_strExpansionCount = "16"; },
         "Please enter an integer from 1 to 15.", WC::kExpansionCount},
        {"m7700 4 units", M7700(), [](auto& e) { e.m_strExpansionCount = "4"; },
         "Please enter an integer from 0 to 3.", WC::kExpansionCount},
        {"huge number", M7700(), [](auto& e) { e.m_strExpansionCount = "99999999999999999999"; },
         "Please enter an integer from 0 to 3.", WC::kExpansionCount},
        {"described, ciu letter", Described(), [](auto& e) { e.m_strCiuCount = "1b"; },
         "Please specify an Integer", WC::kCiuCount},
        {"described, 4-port with 5", Described(), [](auto& e) { e.m_strCiuCount = "5"; }, kOneRow,
         WC::kCiuCount},
        {"described, no unit radio", Described(), [](auto& e) { e.m_bFourPort = false; },
         "Please select the number of M-4400 rows", WC::kNone},
    };
    for (const MessageCase& c : cases) {
        WizardEntries entries = c.entries;
        c.change(entries);
        WizardAnswers answers;
        const WizardCheck check = ValidatePage(entries, answers);
        EXPECT_EQ(check.m_nResult, 1) << c.what;
        EXPECT_EQ(check.m_strMessage, c.message) << c.what;
        EXPECT_EQ(check.m_nFocus, c.focus) << c.what;
    }
}

TEST(ValidatePage, LunettaDoesNotReadTheDigitsField) {
    WizardEntries e = Lunetta();
    e.m_strDialDigits = "garbage";
    e.m_strExpansionCount = "15";
    WizardAnswers a;
    EXPECT_EQ(ValidatePage(e, a).m_nResult, 0);
    EXPECT_EQ(a.m_nDialDigits, 3);
    EXPECT_EQ(a.m_nSystemType, 2);
    EXPECT_EQ(a.m_nExpansionCount, 15);
}

TEST(ValidatePage, AcceptedPagesFillTheAnswers) {
    struct Case {
        const char* what;
        WizardEntries entries;
        std::function<void(WizardEntries&)> change;
        WizardAnswers expected;
    };
    const Case cases[] = {
        {"configuration file only",
         WizardEntries{},
         [](auto& e) {
             e.m_strConfigFile = "/sites/school.zrt";
             e.m_strCiuCount = "garbage";  // not checked
         },
         {"", "/sites/school.zrt", -1, 4, 1, 3, 1, 1}},
        {"paging file, 8-port, 8 units, empty ciu",
         PagingFile(),
         [](auto& e) {
             e.m_bFourPort = false;
             e.m_bEightPort = true;
             e.m_strCiuCount = "8";
         },
         {"/data/site.qpx", "", -1, 4, 1, 3, 8, 2}},
        {"paging file, empty ciu is none",
         PagingFile(),
         [](auto& e) { e.m_strCiuCount = ""; },
         {"/data/site.qpx", "", -1, 4, 1, 3, 0, 1}},
        {"quillon 2 digits 3 ports",
         Described(),
         [](auto& e) { e.m_strExpansionCount = "3"; },
         {"", "", 1, 5, 3, 2, 1, 1}},
        {"quillon 3 digits 8 ports, empty ciu",
         Described(),
         [](auto& e) {
             e.m_strDialDigits = "3";
             e.m_strExpansionCount = "8";
             e.m_strCiuCount = "";
         },
         {"", "", 1, 5, 8, 3, 0, 1}},
        {"m7700 empty expansion is none, 8-port 5 units",
         M7700(),
         [](auto& e) {
             e.m_strExpansionCount = "";
             e.m_bFourPort = false;
             e.m_bEightPort = true;
             e.m_strCiuCount = "5";
         },
         {"", "", 3, 5, 0, 2, 5, 2}},
        {"4-port with 4 units",
         Described(),
         [](auto& e) { e.m_strCiuCount = "4"; },
         {"", "", 1, 5, 1, 2, 4, 1}},
    };
    for (const Case& c : cases) {
        WizardEntries entries = c.entries;
        c.change(entries);
        WizardAnswers a;
        const WizardCheck check = ValidatePage(entries, a);
        EXPECT_EQ(check.m_nResult, 0) << c.what << ": " << check.m_strMessage;
        const WizardAnswers& x = c.expected;
        EXPECT_EQ(a.m_strPagingFile, x.m_strPagingFile) << c.what;
        EXPECT_EQ(a.m_strConfigFile, x.m_strConfigFile) << c.what;
        EXPECT_EQ(a.m_nSystemType, x.m_nSystemType) << c.what;
        EXPECT_EQ(a.m_nInputMethod, x.m_nInputMethod) << c.what;
        EXPECT_EQ(a.m_nExpansionCount, x.m_nExpansionCount) << c.what;
        EXPECT_EQ(a.m_nDialDigits, x.m_nDialDigits) << c.what;
        EXPECT_EQ(a.m_nCiuCount, x.m_nCiuCount) << c.what;
        EXPECT_EQ(a.m_nRows, x.m_nRows) << c.what;
    }
}

TEST(UpdateControls, ShowsTheFieldsOfTheChosenMethod) {
    using Ids = std::set<int>;
    const Ids files = {WC::kConfigFile, WC::kConfigFileBrowse, WC::kConfigFileLabel,
                       WC::kPagingFile, WC::kPagingFileBrowse, WC::kPagingFileLabel};
    const Ids hardware = {WC::kHardwareGroup, WC::kCiuCountLabel, WC::kCiuCount, WC::kFourPort,
                          WC::kEightPort};
    const Ids system = {WC::kSystemGroup,     WC::kQuillon,        WC::kLunetta,
                        WC::kM7700,           WC::kExpansionLabel, WC::kExpansionCount,
                        WC::kDialDigitsLabel, WC::kDialDigits};

    const WizardLayout start = UpdateControls(WizardEntries{});
    EXPECT_EQ(start.m_shown, files);
    EXPECT_FALSE(start.m_bHideMethodChoice);

    const WizardLayout paging = UpdateControls(PagingFile());
    Ids pagingShown = hardware;
    pagingShown.insert({WC::kPagingFile, WC::kPagingFileBrowse, WC::kPagingFileLabel});
    EXPECT_EQ(paging.m_shown, pagingShown);
    EXPECT_TRUE(paging.m_bHideMethodChoice);

    const WizardLayout described = UpdateControls(Described());
    Ids describedShown = system;
    describedShown.insert(hardware.begin(), hardware.end());
    EXPECT_EQ(described.m_shown, describedShown);
    EXPECT_EQ(described.m_strExpansionCaption, "Number of Expansion Units:");

    const WizardLayout lunetta = UpdateControls(Lunetta());
    describedShown.erase(WC::kDialDigits);
    describedShown.erase(WC::kDialDigitsLabel);
    EXPECT_EQ(lunetta.m_shown, describedShown);
    EXPECT_EQ(lunetta.m_strExpansionCaption, "Number of Station Cards:");

    WizardEntries none = Described();
    none.m_bSpecifyConfiguration = false;
    EXPECT_TRUE(UpdateControls(none).m_shown.empty());

    for (const WizardEntries& e : {WizardEntries{}, PagingFile(), Described(), Lunetta()})
        for (int id : UpdateControls(e).m_shown)
            EXPECT_TRUE(SwitchedWizardControls().count(id)) << id;
}

TEST(UnitModelOk, RadiosAndListGiveTheAnswer) {
    struct Case {
        bool four, eight;
        int index;
        const char* message;
        int rows, ciu;
    };
    const Case cases[] = {
        {true, false, 0, nullptr, 1, 0}, {true, false, 4, nullptr, 1, 4},
        {true, false, 5, nullptr, 2, 5}, {false, true, 0, nullptr, 2, 0},
        {false, true, 8, nullptr, 2, 8}, {false, false, 2, "Please select a number of rows.", 7, 2},
    };
    for (const Case& c : cases) {
        UnitModelAnswer answer{7, 7};
        const char* message = UnitModelOk(c.four, c.eight, c.index, answer);
        EXPECT_STREQ(message, c.message);
        EXPECT_EQ(answer.m_nRows, c.rows);
        EXPECT_EQ(answer.m_nCiuCount, c.ciu);
    }
}

}  // namespace

// A file name that names no file is refused, naming it, with its field to mend.
TEST(ValidatePage, ANamedFileMustExist) {
    WizardAnswers a;
    EXPECT_EQ(CheckNamedFileExists(a).m_nResult, 0);
    a.m_strConfigFile = "/no/such/site.zrt";
    WizardCheck check = CheckNamedFileExists(a);
    EXPECT_EQ(check.m_nResult, 1);
    EXPECT_EQ(check.m_strMessage, "The file /no/such/site.zrt does not exist.");
    EXPECT_EQ(check.m_nFocus, WC::kConfigFile);
    a.m_strConfigFile.clear();
    a.m_strPagingFile = "/no/such/plant.qpx";
    check = CheckNamedFileExists(a);
    EXPECT_EQ(check.m_strMessage, "The file /no/such/plant.qpx does not exist.");
    EXPECT_EQ(check.m_nFocus, WC::kPagingFile);
    a.m_strPagingFile = "/";
    EXPECT_EQ(CheckNamedFileExists(a).m_nResult, 0);
}
