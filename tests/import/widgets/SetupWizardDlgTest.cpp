#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <functional>
#include <set>

#include "import/WizardControls.h"
#include "import/widgets/CSetupWizardDlg.h"
#include "model/MemoryProfile.h"
#include "support/TempDir.h"
#include "window/QtPrompter.h"

namespace {

namespace WC = WizardControl;
constexpr int kFinish = 1;
constexpr int kCancel = 2;

const std::vector<int> kEveryControl = {WC::kTitle,
                                        WC::kMethodGroup,
                                        WC::kSpecifyFilename,
                                        WC::kSpecifyConfiguration,
                                        WC::kReadUnit,
                                        WC::kConfigFileLabel,
                                        WC::kConfigFile,
                                        WC::kConfigFileBrowse,
                                        WC::kPagingFileLabel,
                                        WC::kPagingFile,
                                        WC::kPagingFileBrowse,
                                        WC::kSystemGroup,
                                        WC::kQuillon,
                                        WC::kLunetta,
                                        WC::kM7700,
                                        WC::kExpansionLabel,
                                        WC::kExpansionCount,
                                        WC::kDialDigitsLabel,
                                        WC::kDialDigits,
                                        WC::kHardwareGroup,
                                        WC::kCiuCountLabel,
                                        WC::kCiuCount,
                                        WC::kFourPort,
                                        WC::kEightPort,
                                        kFinish,
                                        kCancel};

const std::set<int> kAlways = {WC::kTitle, WC::kSpecifyFilename, kFinish, kCancel};
const std::set<int> kMethodChoice = {WC::kMethodGroup, WC::kSpecifyConfiguration, WC::kReadUnit};
const std::set<int> kConfigFileRow = {WC::kConfigFileLabel, WC::kConfigFile, WC::kConfigFileBrowse};
const std::set<int> kPagingFileRow = {WC::kPagingFileLabel, WC::kPagingFile, WC::kPagingFileBrowse};
const std::set<int> kSystem = {WC::kSystemGroup,     WC::kQuillon,        WC::kLunetta,
                               WC::kM7700,           WC::kExpansionLabel, WC::kExpansionCount,
                               WC::kDialDigitsLabel, WC::kDialDigits};
const std::set<int> kHardware = {WC::kHardwareGroup, WC::kCiuCountLabel, WC::kCiuCount,
                                 WC::kFourPort, WC::kEightPort};

std::set<int> Union(std::initializer_list<std::set<int>> parts) {
    std::set<int> all;
    for (const auto& part : parts) all.insert(part.begin(), part.end());
    return all;
}

QString TextOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
    return {};
}

// The page on its own, its messages and file dialogs answered by the test.
class SetupWizardDlgTest : public ::testing::Test {
public:
    SetupWizardDlgTest() : m_prompter(nullptr, m_profile), m_page(m_prompter) {
        m_prompter.SetScripted(true);
        m_page.show();
    }

    QLineEdit* Edit(int id) { return static_cast<QLineEdit*>(m_page.Control(id)); }
    QAbstractButton* Button(int id) { return static_cast<QAbstractButton*>(m_page.Control(id)); }

    std::set<int> Shown() {
        std::set<int> shown;
        for (int id : kEveryControl)
            if (m_page.Control(id)->isVisibleTo(&m_page)) shown.insert(id);
        return shown;
    }

    QString ExpansionCaption() {
        return static_cast<QLabel*>(m_page.Control(WC::kExpansionLabel))->text();
    }

    MemoryProfile m_profile;
    QtPrompter m_prompter;
    CSetupWizardDlg m_page;
};

TEST_F(SetupWizardDlgTest, ControlsCarryTheirCaptionsAndAccessKeys) {
    const std::vector<std::pair<int, const char*>> captions = {
        {WC::kTitle, "M-4400 Configuration Wizard"},
        {WC::kMethodGroup, "Please select one of the following:"},
        {WC::kSpecifyFilename, "&Specify Filename"},
        {WC::kSpecifyConfiguration, "Specify &Configuration"},
        {WC::kReadUnit, "Read &M-4400 unit"},
        {WC::kConfigFileLabel, "Specify an NEXIL Filename:"},
        {WC::kConfigFileBrowse, "Browse"},
        {WC::kPagingFileLabel, "OR, Specify a Quillon, Lunetta or M-7700 Filename:"},
        {WC::kPagingFileBrowse, "Browse"},
        {WC::kSystemGroup, "Paging System Description"},
        {WC::kQuillon, "&Quillon"},
        {WC::kLunetta, "&Lunetta"},
        {WC::kM7700, "MC-77/M-7&700"},
        {WC::kDialDigitsLabel, "Number of Digits in Default Dialing Plan"},
        {WC::kHardwareGroup, "M-4400 / 4500 Hardware"},
        {WC::kCiuCountLabel, "Number of M-4500 Camera Interface Units"},
        {WC::kFourPort, "Using a M-4400 Master Unit (4 Port)"},
        {WC::kEightPort, "Using a M-4800 Master Unit (8 Port)"},
        {kFinish, "&Finish"},
        {kCancel, "Cancel"},
    };
    for (const auto& [id, caption] : captions) EXPECT_EQ(TextOf(m_page.Control(id)), caption) << id;
    EXPECT_EQ(m_page.windowTitle(), "NEXIL Video Switcher Programming Tool Setup");
    EXPECT_TRUE(static_cast<QPushButton*>(m_page.Control(kFinish))->isDefault());
    EXPECT_TRUE(m_page.Control(WC::kTitle)->font().bold());

    // Each label names the field beside it.
    const std::vector<std::pair<int, int>> buddies = {{WC::kConfigFileLabel, WC::kConfigFile},
                                                      {WC::kPagingFileLabel, WC::kPagingFile},
                                                      {WC::kExpansionLabel, WC::kExpansionCount},
                                                      {WC::kDialDigitsLabel, WC::kDialDigits},
                                                      {WC::kCiuCountLabel, WC::kCiuCount}};
    for (const auto& [label, field] : buddies)
        EXPECT_EQ(static_cast<QLabel*>(m_page.Control(label))->buddy(), m_page.Control(field));

    // Light yellow behind blue static texts; the fields stay as they are.
    EXPECT_EQ(m_page.palette().color(QPalette::Window), QColor(255, 255, 230));
    for (int id : {WC::kTitle, WC::kConfigFileLabel, WC::kCiuCountLabel})
        EXPECT_EQ(m_page.Control(id)->palette().color(QPalette::WindowText), QColor(0, 0, 215));
    EXPECT_EQ(Edit(WC::kConfigFile)->palette().color(QPalette::Base), QColor(Qt::white));

    EXPECT_EQ(Edit(WC::kCiuCount)->text(), "1");
    EXPECT_EQ(Edit(WC::kDialDigits)->text(), "2");
    EXPECT_EQ(Edit(WC::kExpansionCount)->text(), "1");
}

TEST_F(SetupWizardDlgTest, TheRadiosFormThreeIndependentGroups) {
    EXPECT_TRUE(Button(WC::kSpecifyFilename)->isChecked());
    EXPECT_TRUE(Button(WC::kQuillon)->isChecked());
    EXPECT_TRUE(Button(WC::kFourPort)->isChecked());
    Button(WC::kSpecifyConfiguration)->click();
    Button(WC::kM7700)->click();
    Button(WC::kEightPort)->click();
    for (int id : {WC::kSpecifyConfiguration, WC::kM7700, WC::kEightPort})
        EXPECT_TRUE(Button(id)->isChecked()) << id;
    for (int id : {WC::kSpecifyFilename, WC::kReadUnit, WC::kQuillon, WC::kLunetta, WC::kFourPort})
        EXPECT_FALSE(Button(id)->isChecked()) << id;
}

TEST_F(SetupWizardDlgTest, EachMethodShowsItsOwnFields) {
    const std::set<int> fileLayout =
        Union({kAlways, kMethodChoice, kConfigFileRow, kPagingFileRow});
    EXPECT_EQ(Shown(), fileLayout);

    Button(WC::kSpecifyConfiguration)->click();
    EXPECT_EQ(Shown(), Union({kAlways, kMethodChoice, kSystem, kHardware}));
    EXPECT_EQ(ExpansionCaption(), "Number of Expansion Units:");

    Button(WC::kLunetta)->click();
    std::set<int> lunetta = Union({kAlways, kMethodChoice, kSystem, kHardware});
    lunetta.erase(WC::kDialDigits);
    lunetta.erase(WC::kDialDigitsLabel);
    EXPECT_EQ(Shown(), lunetta);
    EXPECT_EQ(ExpansionCaption(), "Number of Station Cards:");

    Button(WC::kM7700)->click();
    EXPECT_EQ(Shown(), Union({kAlways, kMethodChoice, kSystem, kHardware}));
    EXPECT_EQ(ExpansionCaption(), "Number of Expansion Units:");

    Button(WC::kSpecifyFilename)->click();
    EXPECT_EQ(Shown(), fileLayout);
    // The page keeps its size as the methods take turns.
    const QSize size = m_page.size();
    Button(WC::kSpecifyConfiguration)->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_page.size(), size);
}

TEST_F(SetupWizardDlgTest, ChoosingAPagingFileAsksForTheHardwareInstead) {
    TempDir east;
    const std::string tdx = east.PathOf("TDX_FILE.DAT");
    std::ofstream(tdx) << "";
    m_profile.SetString("Directories", "LastUnitFileDir", "/start/");
    m_prompter.SetNextFile(QString::fromStdString(tdx));
    Edit(WC::kCiuCount)->setText("3");
    Button(WC::kPagingFileBrowse)->click();

    EXPECT_EQ(Edit(WC::kPagingFile)->text().toStdString(), tdx);
    EXPECT_EQ(m_profile.GetString("Directories", "LastUnitFileDir", ""),
              east.Path().string() + "/");
    const std::set<int> pagingLayout = Union({kAlways, kPagingFileRow, kHardware});
    EXPECT_EQ(Shown(), pagingLayout);
    EXPECT_EQ(m_page.focusWidget(), Edit(WC::kCiuCount));
    EXPECT_EQ(Edit(WC::kCiuCount)->selectedText(), "3");
    EXPECT_TRUE(m_prompter.ShownTexts().empty());
    EXPECT_TRUE(m_page.isVisible());

    Button(WC::kSpecifyFilename)->click();
    EXPECT_EQ(Shown(), pagingLayout);
    EXPECT_TRUE(Button(WC::kSpecifyFilename)->isChecked());

    Button(WC::kEightPort)->click();
    Button(kFinish)->click();
    EXPECT_EQ(m_page.result(), QDialog::Accepted);
    const WizardAnswers& a = m_page.Answers();
    EXPECT_EQ(a.m_nInputMethod, 4);
    EXPECT_EQ(a.m_strPagingFile, tdx);
    EXPECT_EQ(a.m_strConfigFile, "");
    EXPECT_EQ(a.m_nCiuCount, 3);
    EXPECT_EQ(a.m_nRows, 2);
}

// A name typed or pasted asks the same hardware questions as Browse, so
// Finish never builds from answers the user did not see.
TEST_F(SetupWizardDlgTest, TypingAPagingFileNameAsksForTheHardwareToo) {
    QTest::keyClicks(Edit(WC::kPagingFile), "/sites/west/site.mdb");
    EXPECT_EQ(Shown(), Union({kAlways, kPagingFileRow, kHardware}));
    Edit(WC::kPagingFile)->clear();
    Edit(WC::kPagingFile)->insert("/sites/east/plant.qpx");  // a paste
    EXPECT_EQ(Shown(), Union({kAlways, kPagingFileRow, kHardware}));

    // A name that names no file: one message naming it, and the page stays.
    Button(kFinish)->click();
    EXPECT_TRUE(m_page.isVisible());
    EXPECT_EQ(m_prompter.ShownTexts(),
              std::vector<std::string>{"The file /sites/east/plant.qpx does not exist."});
    EXPECT_EQ(m_page.focusWidget(), Edit(WC::kPagingFile));

    // Emptied, the page is as it first was.
    Edit(WC::kPagingFile)->clear();
    EXPECT_EQ(Shown(), Union({kAlways, kMethodChoice, kConfigFileRow, kPagingFileRow}));
}

TEST_F(SetupWizardDlgTest, BrowsingForAConfigurationFileEndsThePage) {
    m_prompter.SetNextFile("");  // cancelled
    Button(WC::kConfigFileBrowse)->click();
    EXPECT_TRUE(m_page.isVisible());

    TempDir west;
    const std::string site = west.PathOf("site.zrt");
    std::ofstream(site) << "";
    m_prompter.SetNextFile(QString::fromStdString(site));
    Button(WC::kConfigFileBrowse)->click();
    EXPECT_FALSE(m_page.isVisible());
    EXPECT_EQ(m_page.result(), QDialog::Accepted);
    EXPECT_EQ(m_page.Answers().m_strConfigFile, site);
    EXPECT_EQ(m_page.Answers().m_nInputMethod, 4);
    EXPECT_EQ(m_profile.GetString("Directories", "LastZRTFileDir", ""), west.Path().string() + "/");
    EXPECT_TRUE(m_prompter.ShownTexts().empty());
}

TEST_F(SetupWizardDlgTest, FinishTakesTheDescribedSystem) {
    Button(WC::kSpecifyConfiguration)->click();
    Button(WC::kLunetta)->click();
    Edit(WC::kDialDigits)->setText("x");  // not asked for a Lunetta system
    Edit(WC::kExpansionCount)->setText("12");
    Edit(WC::kCiuCount)->setText("");
    Button(kFinish)->click();
    ASSERT_EQ(m_page.result(), QDialog::Accepted)
        << ::testing::PrintToString(m_prompter.ShownTexts());
    const WizardAnswers& a = m_page.Answers();
    EXPECT_EQ(a.m_nInputMethod, 5);
    EXPECT_EQ(a.m_nSystemType, 2);
    EXPECT_EQ(a.m_nExpansionCount, 12);
    EXPECT_EQ(a.m_nDialDigits, 3);
    EXPECT_EQ(a.m_nCiuCount, 0);
    EXPECT_EQ(a.m_nRows, 1);
}

class SetupWizardMessages;

struct EntryCase {
    const char* m_pName;
    std::function<void(SetupWizardMessages&)> m_fill;
    std::string m_strMessage;
    int m_nFocus;  // kNone: no field named
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.m_pName; }

class SetupWizardMessages : public SetupWizardDlgTest,
                            public ::testing::WithParamInterface<EntryCase> {
public:
    void Describe(int system, const char* digits, const char* expansion) {
        Button(WC::kSpecifyConfiguration)->click();
        Button(system)->click();
        Edit(WC::kDialDigits)->setText(digits);
        Edit(WC::kExpansionCount)->setText(expansion);
    }
    void Hardware(int unit, const char* ciu) {
        Button(unit)->click();
        Edit(WC::kCiuCount)->setText(ciu);
    }
};

TEST_P(SetupWizardMessages, FinishNamesTheFieldToMend) {
    const EntryCase& c = GetParam();
    c.m_fill(*this);
    Button(kFinish)->click();
    EXPECT_TRUE(m_page.isVisible());
    EXPECT_EQ(m_prompter.ShownTexts(), std::vector<std::string>{c.m_strMessage});
    if (c.m_nFocus == WC::kNone) return;
    QLineEdit* field = Edit(c.m_nFocus);
    EXPECT_EQ(m_page.focusWidget(), field);
    EXPECT_EQ(field->selectedText(), field->text());
}

const EntryCase kEntryCases[] = {
    {"NoFile", [](auto&) {}, "Please choose a filename.", WC::kNone},
    {"TwoFiles",
     [](SetupWizardMessages& t) {
         t.Edit(WC::kConfigFile)->setText("/a.zrt");
         t.Edit(WC::kPagingFile)->setText("/b.qpx");
     },
     "Please choose only one filename.", WC::kNone},
    {"QuillonTwoDigitsFourPorts",
     [](SetupWizardMessages& t) { t.Describe(WC::kQuillon, "2", "4"); },
     "For Quillon systems, when the number of dial plan digits is 2 the maximum number of "
     "expansion ports is 3.\n\nPlease enter a value of 3 or less",
     WC::kExpansionCount},
    {"QuillonThreeDigitsNinePorts",
     [](SetupWizardMessages& t) { t.Describe(WC::kQuillon, "3", "9"); },
     "Please enter an integer from 0 to 8.", WC::kExpansionCount},
    {"LunettaNoCards", [](SetupWizardMessages& t) { t.Describe(WC::kLunetta, "2", ""); },
     "Please enter an integer from 1 to 15.", WC::kExpansionCount},
    {"M7700FourUnits", [](SetupWizardMessages& t) { t.Describe(WC::kM7700, "3", "4"); },
     "Please enter an integer from 0 to 3.", WC::kExpansionCount},
    {"NegativeExpansion", [](SetupWizardMessages& t) { t.Describe(WC::kM7700, "3", "-1"); },
     "Please specify an Integer", WC::kExpansionCount},
    {"NoDigits", [](SetupWizardMessages& t) { t.Describe(WC::kQuillon, "", "1"); },
     "Please enter a value.", WC::kDialDigits},
    {"FourDigits", [](SetupWizardMessages& t) { t.Describe(WC::kM7700, "4", "1"); },
     "Please enter a 2 or 3 for Default Dial Plan digits.", WC::kDialDigits},
    {"LetterInUnits",
     [](SetupWizardMessages& t) {
         t.Describe(WC::kQuillon, "2", "1");
         t.Hardware(WC::kEightPort, "2a");
     },
     "Please specify an Integer", WC::kCiuCount},
    {"NineUnits",
     [](SetupWizardMessages& t) {
         t.Describe(WC::kQuillon, "2", "1");
         t.Hardware(WC::kEightPort, "9");
     },
     "Please enter an integer from 0 to 8", WC::kCiuCount},
    {"FiveUnitsOnFourPorts",
     [](SetupWizardMessages& t) {
         t.Describe(WC::kQuillon, "2", "1");
         t.Hardware(WC::kFourPort, "5");
     },
     "A M-4400 unit with one row of BNC connectors supports\na maximum of 4 EM-4500 Camera "
     "Interface Units.\n\nPlease enter a number from 0 to 4.",
     WC::kCiuCount},
    {"FiveUnitsOnFourPortsForAPagingFile",
     [](SetupWizardMessages& t) {
         t.m_prompter.SetNextFile("/sites/site.mdb");
         t.Button(WC::kPagingFileBrowse)->click();
         t.m_prompter.ClearShown();
         t.Hardware(WC::kFourPort, "5");
     },
     "A M-4400 unit with one row of BNC connectors supports\na maximum of 4 EM-4500 Camera "
     "Interface Units.\n\nPlease enter a number from 0 to 4.",
     WC::kCiuCount},
};

INSTANTIATE_TEST_SUITE_P(Entries, SetupWizardMessages, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.m_pName); });

TEST_F(SetupWizardDlgTest, TheReadRadioClosesThePageOnceAReadIsPosted) {
    int requests = 0;
    bool posted = false;
    m_page.m_requestUnitRead = [&] {
        ++requests;
        return posted;
    };
    // A read already waiting: the click only checks the radio.
    Button(WC::kReadUnit)->click();
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(m_page.isVisible());
    EXPECT_TRUE(Button(WC::kReadUnit)->isChecked());

    posted = true;
    Button(WC::kReadUnit)->click();
    EXPECT_EQ(requests, 2);
    EXPECT_FALSE(m_page.isVisible());
    EXPECT_EQ(m_page.result(), QDialog::Rejected);
}

}  // namespace
