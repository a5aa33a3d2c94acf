#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

#include "app/PageFixture.h"
#include "app/WorkRecovery.h"
#include "document/RecoveryFile.h"
#include "document/widgets/DiffDialog.h"
#include "model/CommandIds.h"
#include "pages/ArchList.h"
#include "pages/IdleLoopEditor.h"
#include "pages/SettingsOps.h"
#include "pages/widgets/CIdleListBox.h"
#include "support/ModalAnswers.h"
#include "unit/BuildUnitImage.h"
#include "unit/UnitHistory.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"

namespace {

using Strings = std::vector<std::string>;

QStringList Column(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

// Where the window keeps unsaved work for the recovery at start.
std::string RecoveryPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QFile::encodeName(folder + "/" + kRecoveryFileName).toStdString();
}

QStringList Latin1(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts << QString::fromLatin1(line.c_str());
    return texts;
}

// The site of PageTest with a loop, a delay and the priority set, so that
// every page shows something any change of the configuration moves.
class PageFollowsModelTest : public PageTest {
protected:
    // The writes here keep no copy of the unit; the "Write to Unit" question
    // still comes and is answered Write.
    void SetUp() override {
        PageTest::SetUp();
        m_profile->SetInt("userdata", "KeepBeforeWrite", 0);
    }

    CMainFrame& Open() {
        CMainFrame& frame = OpenSite([](CZRTProDoc& doc) {
            doc.m_idleLoop = {"21", "22", "23"};
            doc.m_nIdleDelay = 10;
            doc.m_nPagingSystem = 2;
            doc.m_nDialDigits = 3;
        });
        m_pFrame = &frame;
        return frame;
    }

    // An edit made elsewhere than on the page (as a page of another item or
    // a command would): every page's values move.
    void EditElsewhere() {
        m_doc.m_idleLoop = {"23"};
        m_doc.m_nIdleDelay = 20;
        SetPriority(m_doc, PriorityRadio(m_doc) == 1 ? 2 : 1);
        Node("Input 1").m_strName = PadName("Pool");
        m_doc.SetModifiedFlag();
        m_pFrame->State().m_history.Record(m_doc, "Edit elsewhere", nullptr);
        QApplication::processEvents();
    }

    // Another configuration of the same site in a file: other numbers, names and loop.
    std::string OtherFile() {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFromRecords(
            doc, tree,
            {{0, "41", PadName("Dock")}, {1, "42", PadName("Mill")}, {2, "43", PadName("Shop")}}, 4,
            0);
        doc.m_idleLoop = {"43", "41"};
        doc.m_nIdleDelay = 7;
        doc.m_nPagingSystem = 2;
        doc.m_nDialDigits = 3;
        std::ofstream(PathOf("other.zrt"), std::ios::binary) << EncodeZrt(doc);
        return PathOf("other.zrt");
    }

    // The page shown is the selected item's, and its controls show the model.
    void ExpectPageShowsModel(const char* what) {
        SCOPED_TRACE(what);
        CMainFrame& frame = *m_pFrame;
        const int n = m_doc.FindNodeByItem(frame.Tree().SelectedItem());
        ASSERT_GE(n, 0);
        const CConfigNode& node = m_doc.m_nodes[static_cast<size_t>(n)];
        ASSERT_EQ(frame.CurrentPageKind(), node.m_pPageClass);
        QWidget* page = frame.CurrentPage();
        switch (node.m_pPageClass) {
            case PageKind::CZRTForm: {
                EXPECT_EQ(page->findChild<QLineEdit*>("currentArch")->text().toStdString(),
                          node.m_strArch);
                CZRTProDoc copy = m_doc;
                Strings numbers, names;
                for (const ArchRow& row :
                     FillArchList(copy, m_doc.m_nSortColumn, m_doc.m_bSortAscending)) {
                    numbers.push_back(row.m_strArch);
                    names.push_back(row.m_strName);
                }
                const auto* list = page->findChild<QTreeWidget*>("archList");
                EXPECT_EQ(Column(list, 0), Latin1(numbers));
                EXPECT_EQ(Column(list, 1), Latin1(names));
                break;
            }
            case PageKind::CSettingsForm:
                EXPECT_TRUE(
                    page->findChild<QRadioButton*>(QString("priority%1").arg(PriorityRadio(m_doc)))
                        ->isChecked());
                EXPECT_EQ(Lines(page->findChild<QListWidget*>("adminList")),
                          Latin1(AdminLines(m_doc)));
                EXPECT_EQ(page->findChild<QCheckBox*>("timeFromPc")->isChecked(),
                          (m_doc.m_byTimeRefresh & kTimeRefreshPc) != 0);
                break;
            case PageKind::CIdleLoopForm: {
                IdleLoopEditor editor(m_doc, frame.Prompter());
                editor.Load();
                EXPECT_EQ(Lines(page->findChild<QListWidget*>("idleLoop")),
                          Latin1(editor.IdleLines()));
                EXPECT_EQ(Lines(page->findChild<QListWidget*>("archNumbers")),
                          Latin1(editor.ArchLines()));
                EXPECT_EQ(page->findChild<QLineEdit*>("delay")->text(),
                          QString::number(m_doc.m_nIdleDelay));
                break;
            }
            default:
                break;
        }
    }

    // One edit on the page shown: it changes what it edits of the model as
    // the model is now, and nothing else.
    void ExpectEditStartsFromModel(const char* what) {
        SCOPED_TRACE(what);
        CMainFrame& frame = *m_pFrame;
        QWidget* page = frame.CurrentPage();
        CZRTProDoc expected = m_doc;
        switch (frame.CurrentPageKind()) {
            case PageKind::CIdleLoopForm: {
                auto* numbers = page->findChild<QListWidget*>("archNumbers");
                ClickLine(numbers, 0);
                QTest::mouseClick(page->findChild<QPushButton*>("addToLoop"), Qt::LeftButton);
                expected.m_idleLoop.push_back(
                    numbers->item(0)->text().section('\t', 0, 0).toStdString());
                break;
            }
            case PageKind::CSettingsForm: {
                const int other = PriorityRadio(m_doc) == 1 ? 2 : 1;
                page->findChild<QRadioButton*>(QString("priority%1").arg(other))->click();
                SetPriority(expected, other);
                break;
            }
            case PageKind::CZRTForm: {
                // A spare number the input takes: the other inputs keep theirs.
                const int n = m_doc.FindNodeByItem(frame.Tree().SelectedItem());
                auto* list = page->findChild<QTreeWidget*>("archList");
                QString spare;
                for (const CZoneEntry& zone : m_doc.m_zones)
                    if (zone.m_nZoneId >= 0) spare = QString::fromLatin1(zone.m_strArch.c_str());
                ASSERT_FALSE(spare.isEmpty());
                const auto found = list->findItems(spare, Qt::MatchExactly, 0);
                ASSERT_EQ(found.size(), 1);
                list->scrollToItem(found.front());
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(found.front()).center());
                for (int i = 0; i < m_doc.NodeCount(); ++i) {
                    if (i == n || !m_doc.IsInput(i)) continue;
                    EXPECT_EQ(m_doc.m_nodes[i].m_strArch, expected.m_nodes[i].m_strArch) << i;
                    EXPECT_EQ(m_doc.m_nodes[i].m_strName, expected.m_nodes[i].m_strName) << i;
                }
                EXPECT_EQ(m_doc.m_nodes[static_cast<size_t>(n)].m_strArch, spare.toStdString());
                return;
            }
            default:
                return;
        }
        EXPECT_EQ(EncodeZrt(m_doc), EncodeZrt(expected));
    }

    // Writes the configuration into the demonstration unit.
    void WriteToDemoUnit() {
        WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
        WhenShown<DiffDialog>(
            [](DiffDialog& dlg) { dlg.findChild<QPushButton*>("diffWrite")->click(); });
        m_pFrame->Action(kCmdWriteUnit)->trigger();
        ASSERT_EQ(m_pFrame->StatusText(), "Write complete.");
    }

    void ReadFromDemoUnit() {
        m_pFrame->Prompter().SetNextAnswer(PromptAnswer::No);  // the edits are not saved
        m_pFrame->Prompter().SetNextUnitModel({1, 0});
        WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) { dlg.ConnectButton()->click(); });
        m_pFrame->Action(kCmdReadUnit)->trigger();
    }

    // View > Unit History: the one kept copy opened as the configuration.
    void OpenKeptCopy() {
        CMainFrame& frame = *m_pFrame;
        frame.Prompter().SetNextAnswer(PromptAnswer::No);
        frame.Prompter().SetNextUnitModel({1, 0});
        WhenShown<UnitHistoryDlg>([](UnitHistoryDlg& dlg) {
            ASSERT_GE(dlg.List()->topLevelItemCount(), 1);
            dlg.List()->setCurrentItem(dlg.List()->topLevelItem(0));
            dlg.Button("historyOpen")->click();
        });
        frame.Action(kCmdUnitHistory)->trigger();
    }

    void KeepCopyOfOtherSite() {
        CZRTProDoc other;
        ASSERT_TRUE(LoadZrtFileForTest(OtherFile(), other));
        const std::vector<uint8_t> image = BuildUnitImage(other, m_pFrame->Prompter());
        UnitHistoryEntry entry;
        entry.m_strKind = "read";
        entry.m_strConnection = "Dock unit";
        std::string reason;
        ASSERT_TRUE(UnitHistory(m_pFrame->State().m_strHistoryFolder).Keep(entry, image, reason))
            << reason;
    }

    static bool LoadZrtFileForTest(const std::string& path, CZRTProDoc& doc) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return DecodeZrt(bytes.str(), doc).m_status == ZrtStatus::Ok;
    }

    CMainFrame* m_pFrame = nullptr;
};

}  // namespace

// Every page (an input's, Settings, Idle Loop, and the page of the input
// that holds a generated non-pageable number) after every change of the
// configuration that does not come from the page: what it shows is the
// model, and the next edit on it changes the model as it is now.
TEST_F(PageFollowsModelTest, EveryPageShowsTheModelAfterEveryOutsideChange) {
    struct Change {
        const char* what;
        std::function<void()> before;  // before the page is shown
        std::function<void()> change;
    };
    const auto none = [] {};
    const Change changes[] = {
        {"Import Inputs from CSV", none,
         [this] {
             std::ofstream(PathOf("inputs.csv"), std::ios::binary)
                 << "port;unit;input;arch;name\r\n1;;;30;Lobby\r\n3;;;100;\r\n";
             WhenShown<DiffDialog>([](DiffDialog& dlg) {
                 dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
             });
             m_pFrame->Prompter().SetNextFile(QString::fromStdString(PathOf("inputs.csv")));
             m_pFrame->Action(kCmdImportCsv)->trigger();
         }},
        {"Undo", [this] { EditElsewhere(); },
         [this] { m_pFrame->Action(kCmdEditUndo)->trigger(); }},
        {"Redo",
         [this] {
             EditElsewhere();
             m_pFrame->Action(kCmdEditUndo)->trigger();
         },
         [this] { m_pFrame->Action(kCmdEditRedo)->trigger(); }},
        {"Read",
         [this] {
             WriteToDemoUnit();
             EditElsewhere();
         },
         [this] { ReadFromDemoUnit(); }},
        {"Open as Configuration", [this] { KeepCopyOfOtherSite(); }, [this] { OpenKeptCopy(); }},
        {"another file opened (a second start, a drop, Ctrl+O)", none,
         [this] { m_pFrame->Documents().OpenFile(QString::fromStdString(OtherFile())); }},
        {"recovery",
         [this] {
             CZRTProDoc other;
             ASSERT_TRUE(LoadZrtFileForTest(OtherFile(), other));
             ASSERT_TRUE(WriteRecovery(RecoveryPath(), {"", "untitled", 0, EncodeZrt(other)}));
         },
         [this] {
             m_pFrame->Prompter().SetNextAnswer(PromptAnswer::Yes);
             WorkRecovery recovery(*m_pFrame);
             EXPECT_TRUE(recovery.Offer());
             recovery.Left();
         }},
        {"Find", [this] { EditElsewhere(); },
         [this] {
             m_pFrame->Action(kCmdEditFind)->trigger();
             QTest::keyClicks(QApplication::focusWidget(), "22");
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
         }},
        {"a double-click in the differences", [this] { EditElsewhere(); },
         [this] {
             m_pFrame->Prompter().SetNextFile(QString::fromStdString(OtherFile()));
             m_pFrame->Action(kCmdCompareFile)->trigger();
             DiffDialog* dlg = m_pFrame->findChild<DiffDialog*>();
             ASSERT_TRUE(dlg);
             emit dlg->ItemActivated("Idle loop delay");
             dlg->close();
         }},
    };
    const char* pages[] = {"Input 1", "Settings", "Idle Loop", "Input 4"};
    for (const Change& c : changes) {
        for (const char* label : pages) {
            SCOPED_TRACE(std::string(c.what) + " on the page of " + label);
            m_frames.clear();
            m_doc = CZRTProDoc();
            Open();
            c.before();
            ASSERT_TRUE(Show<CBaseForm>(*m_pFrame, label));
            c.change();
            QApplication::processEvents();
            ExpectPageShowsModel("after the change");
            ExpectEditStartsFromModel("the edit after it");
            ExpectPageShowsModel("after the edit");
            EXPECT_EQ(ModalAnswers::Waiting(), 0u);
        }
    }
}

// The journey of the issue: with the Idle Loop page shown, an import moves
// the numbers; the page shows the new loop, and ">>" adds to it.
TEST_F(PageFollowsModelTest, AnImportWhileTheIdleLoopIsShownKeepsTheImportedLoop) {
    CMainFrame& frame = Open();
    auto* idle = Show<CBaseForm>(frame, "Idle Loop");
    ASSERT_TRUE(idle);
    std::ofstream(PathOf("inputs.csv"), std::ios::binary)
        << "port;unit;input;arch;name\r\n2;;;102;\r\n";
    WhenShown<DiffDialog>([](DiffDialog& dlg) {
        dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("inputs.csv")));
    frame.Action(kCmdImportCsv)->trigger();
    ASSERT_EQ(m_doc.m_idleLoop, (Strings{"21", "102", "23"}));

    // The user clicks at once, before the window has turned.
    QWidget* page = frame.CurrentPage();
    auto* numbers = page->findChild<QListWidget*>("archNumbers");
    QTest::mouseClick(page->findChild<QPushButton*>("addToLoop"), Qt::LeftButton);
    EXPECT_EQ(m_doc.m_idleLoop, (Strings{"21", "102", "23"})) << "a stale page added";
    page = frame.CurrentPage();
    numbers = page->findChild<QListWidget*>("archNumbers");
    ASSERT_TRUE(numbers);
    EXPECT_TRUE(Lines(page->findChild<QListWidget*>("idleLoop")).first().startsWith("21\t"));
    EXPECT_TRUE(Lines(page->findChild<QListWidget*>("idleLoop"))[1].startsWith("102\t"));
    const QList<QListWidgetItem*> found = numbers->findItems("23\t", Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1);
    ClickLine(numbers, numbers->row(found.front()));
    QTest::mouseClick(page->findChild<QPushButton*>("addToLoop"), Qt::LeftButton);
    EXPECT_EQ(m_doc.m_idleLoop, (Strings{"21", "102", "23", "23"}));
}
