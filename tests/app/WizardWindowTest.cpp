#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <filesystem>
#include <functional>

#include "app/AppFixture.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "import/LunettaFolder.h"
#include "import/M7700Database.h"
#include "import/WizardControls.h"
#include "import/widgets/CSetupWizardDlg.h"
#include "import/widgets/CUnitModelDlg.h"
#include "import/widgets/UnitModelControls.h"
#include "model/CommandIds.h"
#include "model/ZrtCodec.h"
#include "support/ModalAnswers.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/UnitCommandGroup.h"
#include "unit/widgets/WindowUnitLink.h"

namespace {

namespace WC = WizardControl;
using namespace LunettaFolder;

QLineEdit* Edit(CSetupWizardDlg& page, int id) { return static_cast<QLineEdit*>(page.Control(id)); }
void Click(CSetupWizardDlg& page, int id) {
    static_cast<QAbstractButton*>(page.Control(id))->click();
}

// Fills in the wizard as soon as it shows and presses Finish.
void AnswerWizard(std::function<void(CSetupWizardDlg&)> fill) {
    WhenShown<CSetupWizardDlg>([fill](CSetupWizardDlg& page) {
        fill(page);
        if (page.isVisible()) Click(page, 1);
    });
}

// A described paging system: type radio, digits, expansion count, unit radio, units.
std::function<void(CSetupWizardDlg&)> Describe(int system, const char* digits,
                                               const char* expansion, int unit, const char* units) {
    return [=](CSetupWizardDlg& page) {
        Click(page, WC::kSpecifyConfiguration);
        Click(page, system);
        Edit(page, WC::kDialDigits)->setText(digits);
        Edit(page, WC::kExpansionCount)->setText(expansion);
        Click(page, unit);
        Edit(page, WC::kCiuCount)->setText(units);
    };
}

std::vector<std::string> Numbers(int first, int last) {
    std::vector<std::string> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(std::to_string(n));
    return numbers;
}

// The Arch Numbers of the inputs, in node order.
std::vector<std::string> InputArches(const CZRTProDoc& doc) {
    std::vector<std::string> arches;
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
        if (doc.IsInput(i)) arches.push_back(doc.m_nodes[static_cast<size_t>(i)].m_strArch);
    return arches;
}

std::vector<std::string> ZoneArches(const CZRTProDoc& doc) {
    std::vector<std::string> arches;
    for (const CZoneEntry& z : doc.m_zones) arches.push_back(z.m_strArch);
    return arches;
}

std::vector<std::string> Head(const std::vector<std::string>& v, size_t n) {
    return {v.begin(), v.begin() + static_cast<long>(std::min(n, v.size()))};
}

// Station number n (below 10000) as the two packed BCD bytes of a Lunetta slot.
Slot Station(int n, const std::string& name) {
    const auto bcd = [](int two) { return static_cast<uint8_t>((two / 10) << 4 | two % 10); };
    return {bcd(n / 100), bcd(n % 100), name};
}

class WizardWindowTest : public AppTest {
protected:
    // A Lunetta folder with board 1 installed: stations 101 to 124 named
    // "Room 1" to "Room 24", administrators 511 to 514.
    std::string WriteLunettaFolder() {
        std::filesystem::create_directories(m_dir.PathOf("lu"));
        std::vector<Slot> stations;
        for (int k = 1; k <= 24; ++k)
            stations.push_back(Station(100 + k, "Room " + std::to_string(k)));
        std::ofstream(PathOf("lu/TDX_FILE.DAT"), std::ios::binary) << TdxFile({"0"});
        std::ofstream(PathOf("lu/tdx_bd01.usr"), std::ios::binary) << BoardFile(stations);
        std::ofstream(PathOf("lu/tdx_admn.usr"), std::ios::binary)
            << AdminFile({{0x05, 0x11}, {0x05, 0x12}, {0x05, 0x13}, {0x05, 0x14}});
        return PathOf("lu/TDX_FILE.DAT");
    }

    // A configuration opened from a file, then edited.
    void OpenEditedSite(CMainFrame& frame) {
        ASSERT_TRUE(
            frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
        m_doc.SetModifiedFlag(true);
    }

    std::string RootLabel(CMainFrame& frame) {
        return frame.Tree().ItemText(frame.Tree().RootItem());
    }
};

struct DescribedCase {
    const char* m_pName;
    int m_nSystem;
    const char* m_pDigits;
    const char* m_pExpansion;
    int m_nUnit;
    const char* m_pUnits;
    int m_nInputs;
    std::vector<std::string> m_firstInputs;  // the inputs that take zones
    std::vector<std::string> m_zones;
    int m_nFirstZoneId;
};

void PrintTo(const DescribedCase& c, std::ostream* os) { *os << c.m_pName; }

class DescribedSystems : public WizardWindowTest,
                         public ::testing::WithParamInterface<DescribedCase> {};

TEST_P(DescribedSystems, NewBuildsTheNumberingOfTheDescribedSystem) {
    const DescribedCase& c = GetParam();
    CMainFrame& frame = NewFrame();
    AnswerWizard(Describe(c.m_nSystem, c.m_pDigits, c.m_pExpansion, c.m_nUnit, c.m_pUnits));
    frame.Action(kCmdFileNew)->trigger();

    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    const auto inputs = InputArches(m_doc);
    ASSERT_EQ(inputs.size(), static_cast<size_t>(c.m_nInputs));
    EXPECT_EQ(Head(inputs, c.m_firstInputs.size()), c.m_firstInputs);
    EXPECT_EQ(ZoneArches(m_doc), c.m_zones);
    if (!m_doc.m_zones.empty()) {
        EXPECT_EQ(m_doc.m_zones.front().m_nZoneId, c.m_nFirstZoneId);
    }
    EXPECT_EQ(m_doc.m_nPagingSystem, c.m_nSystem - WC::kQuillon + 1);
    EXPECT_EQ(RootLabel(frame), "untitled System");
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(frame.Action(kCmdFileSave)->isEnabled());
}

// Quillon: 8 + 16 per expansion port zones (at most 56 with two digits, 136
// with three) from 11 or 101; Lunetta: 24 per station card from 101; M-7700:
// 24 per unit counting the main one (at most 90 with two digits) from 10 or 101.
const DescribedCase kDescribedCases[] = {
    {"QuillonTwoDigits", WC::kQuillon, "2", "3", WC::kFourPort, "0", 4, Numbers(11, 14),
     Numbers(15, 66), 5},
    {"QuillonThreeDigits", WC::kQuillon, "3", "8", WC::kEightPort, "0", 8, Numbers(101, 108),
     Numbers(109, 236), 9},
    {"LunettaOneCard", WC::kLunetta, "", "1", WC::kEightPort, "1", 31, Numbers(101, 124), {}, 0},
    {"M7700TwoDigits", WC::kM7700, "2", "3", WC::kEightPort, "2", 54, Numbers(10, 63),
     Numbers(64, 99), 55},
};

INSTANTIATE_TEST_SUITE_P(Wizard, DescribedSystems, ::testing::ValuesIn(kDescribedCases),
                         [](const auto& info) { return std::string(info.param.m_pName); });

TEST_F(WizardWindowTest, NewImportsANamedLunettaFolder) {
    const std::string tdx = WriteLunettaFolder();
    CMainFrame& frame = NewFrame();
    frame.Prompter().SetNextFile(QString::fromStdString(tdx));
    AnswerWizard([](CSetupWizardDlg& page) {
        Click(page, WC::kPagingFileBrowse);
        Click(page, WC::kEightPort);
        Edit(page, WC::kCiuCount)->setText("0");
    });
    frame.Action(kCmdFileNew)->trigger();

    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    EXPECT_EQ(InputArches(m_doc), Numbers(101, 108));
    EXPECT_EQ(ZoneArches(m_doc), Numbers(109, 124));
    EXPECT_EQ(m_doc.m_zones.front(), (CZoneEntry{"109", "Room 9", 8}));
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{511, 512, 513, 514}));
    EXPECT_EQ(m_doc.m_nPagingSystem, 2);
    EXPECT_EQ(m_profile->GetString("Directories", "LastUnitFileDir", ""), PathOf("lu") + "/");
    EXPECT_EQ(RootLabel(frame), "untitled System");
}

TEST_F(WizardWindowTest, NewOpensANamedConfigurationFile) {
    const std::string path = WriteConfig("plant.zrt", 8, 1, 300);
    CMainFrame& frame = NewFrame();
    frame.Prompter().SetNextFile(QString::fromStdString(path));
    AnswerWizard([](CSetupWizardDlg& page) { Click(page, WC::kConfigFileBrowse); });
    frame.Action(kCmdFileNew)->trigger();

    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(InputArches(m_doc).size(), 31u);
    EXPECT_EQ(RootLabel(frame), "plant System");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(WizardWindowTest, NewOffersToSaveFirstAndCancelKeepsEverything) {
    CMainFrame& frame = NewFrame();
    OpenEditedSite(frame);
    frame.Prompter().SetNextAnswer(PromptAnswer::Cancel);
    frame.Action(kCmdFileNew)->trigger();
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to site.zrt?"});
    EXPECT_EQ(m_doc.GetPathName(), PathOf("site.zrt"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(InputArches(m_doc), Numbers(11, 14));
}

// A New that ends without a configuration of its own (the wizard cancelled,
// or the unit read it asked for cancelled at the connection dialog) leaves
// the window as it was: configuration, name, modified mark, selected input and
// its page, and the commands.
TEST_F(WizardWindowTest, NewEndedWithoutAConfigurationLeavesTheWindowAsItWas) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
    ClickItem(frame.Tree(), ItemOf(m_doc, "Input 2"));
    const std::string bytes = EncodeZrt(m_doc);
    const auto cancelWizard = [] {
        WhenShown<CSetupWizardDlg>([](CSetupWizardDlg& page) { page.reject(); });
    };
    const auto readThenCancel = [] {
        WhenShown<CSetupWizardDlg>([](CSetupWizardDlg& page) { Click(page, WC::kReadUnit); });
        WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.reject(); });
    };
    for (bool modified : {false, true}) {
        for (const std::function<void()>& endNew :
             {std::function<void()>(cancelWizard), std::function<void()>(readThenCancel)}) {
            m_doc.SetModifiedFlag(modified);
            frame.UpdateCommands();
            frame.Prompter().ClearShown();
            if (modified) frame.Prompter().SetNextAnswer(PromptAnswer::No);
            endNew();
            frame.Action(kCmdFileNew)->trigger();
            QTest::qWait(100);  // a posted unit read runs

            EXPECT_EQ(EncodeZrt(m_doc), bytes);
            EXPECT_EQ(m_doc.GetPathName(), PathOf("site.zrt"));
            EXPECT_EQ(m_doc.IsModified(), modified);
            EXPECT_EQ(frame.isWindowModified(), modified);
            EXPECT_EQ(RootLabel(frame), "site System");
            EXPECT_EQ(frame.Tree().SelectedItem(), m_doc.m_nodes[4].m_hItem);
            ASSERT_EQ(frame.CurrentPageKind(), PageKind::CZRTForm);
            EXPECT_EQ(frame.RightPane()->findChild<QLineEdit*>("currentArch")->text(), "12");
            EXPECT_GT(frame.RightPane()->findChild<QTreeWidget*>("archList")->topLevelItemCount(),
                      0);
            for (int command : {kCmdFileSave, kCmdFileSaveAs, kCmdWriteUnit, kCmdPrint})
                EXPECT_TRUE(frame.Action(command)->isEnabled()) << command;
            EXPECT_NE(frame.StatusText(), "Attempting connect to M-4400 . . .");
        }
    }
}

TEST_F(WizardWindowTest, StartUpCommandRunsTheWizardOnlyOnAnEmptyTree) {
    CMainFrame& frame = NewFrame();
    AnswerWizard(Describe(WC::kM7700, "3", "0", WC::kFourPort, "0"));
    frame.Tree().RunWizardCommand();
    EXPECT_EQ(InputArches(m_doc), Numbers(101, 104));
    EXPECT_EQ(ZoneArches(m_doc), Numbers(105, 124));
    EXPECT_EQ(RootLabel(frame), "untitled System");
    EXPECT_TRUE(frame.Action(kCmdWriteUnit)->isEnabled());

    // With a tree on show the command does nothing (a wizard would wait here).
    frame.Tree().RunWizardCommand();
    EXPECT_EQ(InputArches(m_doc), Numbers(101, 104));
}

TEST_F(WizardWindowTest, TheReadRadioStartsOneUnitRead) {
    CMainFrame& frame = NewFrame();
    UnitCommandGroup* units = nullptr;
    for (QObject* child : frame.children())
        if (auto* group = dynamic_cast<UnitCommandGroup*>(child)) units = group;
    ASSERT_NE(units, nullptr);
    frame.State().m_bVerifyPass = true;
    int connections = 0;
    WhenShown<CSetupWizardDlg>([](CSetupWizardDlg& page) { Click(page, WC::kReadUnit); });
    WhenShown<ConnectionDlg>([&connections](ConnectionDlg& dlg) {
        ++connections;
        dlg.reject();
    });
    frame.Tree().RunWizardCommand();
    EXPECT_FALSE(frame.State().m_bVerifyPass);
    // The wizard has closed; its read waits to run and is not posted twice.
    EXPECT_FALSE(units->PostWizardRead());
    EXPECT_TRUE(QTest::qWaitFor([&] { return connections == 1; }, 5000));
    EXPECT_EQ(frame.StatusText(), "Ready");
    QCoreApplication::processEvents();
    EXPECT_EQ(connections, 1);
    EXPECT_EQ(m_doc.NodeCount(), 0);
}

TEST_F(WizardWindowTest, ImportCommandsAreOfferedAndQuillonNever) {
    CMainFrame& frame = NewFrame();
    for (bool configured : {false, true}) {
        if (configured) OpenEditedSite(frame);
        frame.UpdateCommands();
        EXPECT_TRUE(frame.Action(kCmdImportLunetta)->isEnabled());
        EXPECT_TRUE(frame.Action(kCmdImportM7700)->isEnabled());
        EXPECT_FALSE(frame.Action(kCmdImportQuillon)->isEnabled());
    }
}

TEST_F(WizardWindowTest, LunettaImportOffersToSaveThenAsksForTheUnit) {
    const std::string tdx = WriteLunettaFolder();
    CMainFrame& frame = NewFrame();
    OpenEditedSite(frame);
    const std::string saved = Slurp(PathOf("site.zrt"));

    // Cancel in the save question: no file dialog, nothing changes.
    frame.Prompter().SetNextAnswer(PromptAnswer::Cancel);
    frame.Prompter().SetNextFile(QString::fromStdString(tdx));
    frame.Action(kCmdImportLunetta)->trigger();
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to site.zrt?"});
    EXPECT_EQ(m_doc.GetPathName(), PathOf("site.zrt"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(InputArches(m_doc), Numbers(11, 14));

    // Not saved: the queued file is taken, and the unit model dialog is
    // asked again after Escape until OK.
    frame.Prompter().ClearShown();
    frame.Prompter().SetNextAnswer(PromptAnswer::No);
    frame.Prompter().SetScripted(false);
    int asked = 0;
    WhenShown<CUnitModelDlg>([&asked](CUnitModelDlg& dlg) {
        ++asked;
        EXPECT_TRUE(dlg.Control(UnitModelControl::kExpansionList)->isVisibleTo(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Escape);
        WhenShown<CUnitModelDlg>([&asked](CUnitModelDlg& again) {
            ++asked;
            static_cast<QAbstractButton*>(again.Control(UnitModelControl::kEightPort))->click();
            static_cast<QAbstractButton*>(again.Control(UnitModelControl::kOk))->click();
        });
    });
    frame.Action(kCmdImportLunetta)->trigger();
    frame.Prompter().SetScripted(true);

    EXPECT_EQ(asked, 2);
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to site.zrt?"});
    EXPECT_EQ(InputArches(m_doc), Numbers(101, 108));
    EXPECT_EQ(ZoneArches(m_doc), Numbers(109, 124));
    EXPECT_EQ(m_doc.m_zones.back(), (CZoneEntry{"124", "Room 24", 23}));
    EXPECT_EQ(m_doc.m_adminArch, (std::array<int32_t, 4>{511, 512, 513, 514}));
    EXPECT_EQ(m_doc.m_nPagingSystem, 2);
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_TRUE(m_doc.IsModified()) << "never saved: leaving it offers to save";
    EXPECT_EQ(m_profile->GetString("Directories", "LastUnitFileDir", ""), PathOf("lu") + "/");
    // The file the edits were not saved to is untouched.
    EXPECT_EQ(Slurp(PathOf("site.zrt")), saved);
}

TEST_F(WizardWindowTest, M7700ImportBuildsFromTheDatabase) {
    // One expansion unit: 48 stations at most, 40 in the table.
    const std::string mdb = PathOf("site.mdb");
    std::ofstream(mdb, std::ios::binary)
        << M7700Database::Site(1, M7700Database::Stations(40)).Bytes();
    CMainFrame& frame = NewFrame();
    frame.Prompter().SetNextFile(QString::fromStdString(mdb));
    frame.Prompter().SetNextUnitModel({1, 1});
    frame.Action(kCmdImportM7700)->trigger();

    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
    // Four ports, one camera interface unit: 27 inputs take stations 101 to 127.
    EXPECT_EQ(InputArches(m_doc), Numbers(101, 127));
    EXPECT_EQ(ZoneArches(m_doc), Numbers(128, 140));
    EXPECT_EQ(m_doc.m_zones.front(), (CZoneEntry{"128", "Station 28", 27}));
    EXPECT_EQ(m_doc.m_nPagingSystem, 3);
    EXPECT_EQ(m_doc.m_strImportPath, mdb);
    EXPECT_EQ(RootLabel(frame), "untitled System");
}

}  // namespace

// A password accepted for one site never reaches the unit read after New: the
// settings page takes a password, New reads the demonstration unit through the
// wizard, and the next write leaves the unit without that password.
TEST_F(WizardWindowTest, APasswordFromBeforeNewNeverReachesTheUnitReadAfterIt) {
    // The writes go on without the copy of the unit kept first.
    m_profile->SetInt("userdata", "KeepBeforeWrite", 0);
    CMainFrame& frame = NewFrame();
    UnitCommandGroup* units = nullptr;
    for (QObject* child : frame.children())
        if (auto* group = dynamic_cast<UnitCommandGroup*>(child)) units = group;
    ASSERT_NE(units, nullptr);
    const auto connectToDemonstration = [] {
        WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
    };
    // Every write asks first, the copy kept or not.
    const auto answerWrite = [] {
        WhenShown<DiffDialog>(
            [](DiffDialog& dlg) { dlg.findChild<QPushButton*>("diffWrite")->click(); });
    };
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
    // A Lunetta site with a 3-digit dial plan (the unit does not hold the plan).
    const auto givePlan = [this] {
        m_doc.m_nPagingSystem = 2;
        m_doc.m_nDialDigits = 3;
    };
    givePlan();
    connectToDemonstration();
    answerWrite();
    frame.Action(kCmdWriteUnit)->trigger();
    ASSERT_EQ(frame.StatusText(), "Write complete.");

    ClickItem(frame.Tree(), ItemOf(m_doc, "Settings"));
    QTest::keyClicks(frame.RightPane()->findChild<QLineEdit*>("password"), "siteA");
    QTest::mouseClick(frame.RightPane()->findChild<QPushButton*>("accept"), Qt::LeftButton);
    ASSERT_TRUE(frame.State().m_bPasswordPending);

    WhenShown<CSetupWizardDlg>([](CSetupWizardDlg& page) { Click(page, WC::kReadUnit); });
    connectToDemonstration();
    frame.Prompter().SetNextUnitModel({1, 0});
    frame.Action(kCmdFileNew)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.StatusText() == "Read complete."; }, 10000));
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    EXPECT_FALSE(frame.State().m_bPasswordPending);
    EXPECT_EQ(frame.State().m_strPendingPassword, "");

    givePlan();
    frame.Prompter().ClearShown();
    connectToDemonstration();
    answerWrite();
    frame.Action(kCmdWriteUnit)->trigger();
    ASSERT_EQ(frame.StatusText(), "Write complete.");
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{});
    const std::string memory = Slurp(units->Link().DemoMemoryPath());
    ASSERT_EQ(memory.size(), 65536u);
    EXPECT_EQ(memory.substr(0xFFD0, 9), std::string(9, '\0')) << "no password from before New";
}

// While the New wizard is open the window still holds the loaded file, and
// its title says so; the title changes once the new configuration exists, and
// a cancelled wizard leaves it.
TEST_F(WizardWindowTest, TheTitleNamesTheLoadedFileUntilTheNewConfigurationExists) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
    const QString loaded = frame.windowTitle();
    ASSERT_TRUE(loaded.startsWith("site.zrt")) << loaded.toStdString();
    for (bool finish : {false, true}) {
        SCOPED_TRACE(finish ? "finished" : "cancelled");
        QString whileOpen;
        WhenShown<CSetupWizardDlg>([&](CSetupWizardDlg& page) {
            QTest::qWait(400);  // the window refreshes its commands and title meanwhile
            whileOpen = frame.windowTitle();
            if (!finish) {
                page.reject();
                return;
            }
            Describe(WC::kM7700, "3", "0", WC::kFourPort, "0")(page);
            Click(page, 1);
        });
        frame.Action(kCmdFileNew)->trigger();
        EXPECT_EQ(whileOpen, loaded);
        EXPECT_EQ(frame.windowTitle().startsWith("untitled"), finish)
            << frame.windowTitle().toStdString();
        EXPECT_EQ(frame.windowTitle() == loaded, !finish);
    }
}
