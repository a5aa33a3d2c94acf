#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QWindow>
#include <filesystem>
#include <set>

#include "app/AppFixture.h"
#include "app/HelpCommandGroup.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "pages/ArchAssign.h"
#include "pages/widgets/CBaseForm.h"
#include "tree/TreeSink.h"
#include "unit/widgets/CStatusForm.h"

namespace {

const std::string kCannotSave =
    "Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot save.";
const std::string kCloseWithoutSaving =
    kCannotSave + "\n\nClose without Saving?  The current data will be lost.";

template <typename T>
T* GroupOf(CMainFrame& frame) {
    for (QObject* child : frame.children())
        if (auto* group = dynamic_cast<T*>(child)) return group;
    return nullptr;
}

}  // namespace

TEST_F(AppTest, WithoutConfigurationOnlyNewOpenAndReadAreEnabled) {
    CMainFrame& frame = NewFrame();
    struct Case {
        int command;
        bool enabled;
    };
    const Case cases[] = {
        {kCmdFileNew, true},       {kCmdFileOpen, true},       {kCmdReadUnit, true},
        {kCmdFileSave, false},     {kCmdFileSaveAs, false},    {kCmdPrint, false},
        {kCmdWriteUnit, false},    {kCmdImportQuillon, false}, {kCmdExpandConflicts, false},
        {kCmdResetAllArch, false}, {kCmdEditFind, false},      {kCmdCompareFile, false},
        {kCmdCompareUnit, false},  {kCmdExportCsv, false},     {kCmdImportCsv, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frame.Action(c.command)->isEnabled(), c.enabled) << c.command;
    EXPECT_EQ(frame.ModifiedPaneText(), "        ");
    EXPECT_EQ(frame.StatusText(), "Ready");
}

TEST_F(AppTest, MenuTextsAndShortcuts) {
    CMainFrame& frame = NewFrame();
    struct Case {
        int command;
        const char* text;
        const char* keys;
    };
    const Case cases[] = {
        {kCmdFileNew, "&New", "Ctrl+N"},
        {kCmdFileOpen, "&Open...", "Ctrl+O"},
        {kCmdFileSave, "&Save", "Ctrl+S"},
        {kCmdFileSaveAs, "Save &As...", "Ctrl+Shift+S"},
        {kCmdPrint, "&Print", "Ctrl+P"},
        {kCmdHelpIndex, "&Index", "F1"},
        {kCmdExit, "E&xit", "Ctrl+Q"},
        {kCmdEditFind, "&Find...", "Ctrl+F"},
        {kCmdReadUnit, "&Read M-4400 Unit", "Ctrl+R"},
        {kCmdWriteUnit, "&Write M-4400 Unit", "Ctrl+Shift+W"},
        {kCmdResetAllArch, "Reset &All Arch Numbers to Original", ""},
        {kCmdImportM7700, "Import &MC-77/M-7700 file", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frame.Action(c.command)->text(), c.text);
        EXPECT_EQ(frame.Action(c.command)->shortcut().toString(), c.keys);
    }
    // No two items of one menu share an access key, and F3 is left free.
    for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
        std::set<QChar> keys;
        for (QAction* action : menu->actions()) {
            const qsizetype amp = action->text().indexOf('&');
            if (action->isSeparator() || amp < 0 || amp + 1 >= action->text().size()) continue;
            if (action->text()[amp + 1].isDigit()) continue;  // the recent files
            EXPECT_TRUE(keys.insert(action->text()[amp + 1].toLower()).second)
                << menu->title().toStdString() << ": " << action->text().toStdString();
        }
        for (QAction* action : menu->actions())
            EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F3));
    }
    EXPECT_EQ(frame.Action(kCmdSetTime)->toolTip(), "Set Time");
    EXPECT_EQ(frame.Action(kCmdSetTime)->statusTip(),
              "Set M-4400 time of day and date from PC clock");
}

TEST_F(AppTest, SelectingItemsShowsTheirPages) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 8, 2, 100))));
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::testview);
    EXPECT_EQ(frame.Tree().ItemText(frame.Tree().RootItem()), "site System");

    struct Case {
        const char* label;
        PageKind page;
    };
    const Case cases[] = {
        {"Settings", PageKind::CSettingsForm}, {"Idle Loop", PageKind::CIdleLoopForm},
        {"Input 2", PageKind::CInfoForm},      {"exp 2, inp 5", PageKind::CZRTForm},
        {"Input 3", PageKind::CZRTForm},       {"exp 1, inp 24", PageKind::CZRTForm},
    };
    for (const Case& c : cases) {
        QTreeWidgetItem* item = ItemOf(m_doc, c.label);
        ASSERT_NE(item, nullptr) << c.label;
        ClickItem(frame.Tree(), item);
        EXPECT_EQ(frame.Tree().currentItem(), item) << c.label;
        EXPECT_EQ(frame.CurrentPageKind(), c.page) << c.label;
        EXPECT_EQ(frame.RightPane(), frame.CurrentPage());
    }
}

TEST_F(AppTest, SaveWithConflictsIsRefusedAndTheFileStays) {
    CMainFrame& frame = NewFrame();
    const std::string path = WriteConfig("site.zrt", 4, 1, 10);
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(path)));
    const std::string before = Slurp(path);
    m_doc.m_nodes[NodeLabelled(m_doc, "Input 3")].m_strArch =
        m_doc.m_nodes[NodeLabelled(m_doc, "exp 1, inp 1")].m_strArch;
    m_doc.SetModifiedFlag();

    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{kCannotSave});
    EXPECT_EQ(Slurp(path), before);
    frame.UpdateCommands();
    EXPECT_EQ(frame.ModifiedPaneText(), "Modified");
}

TEST_F(AppTest, OpeningOverConflictsAsksToCloseWithoutSaving) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("a.zrt", 4, 0, 10))));
    const std::string other = WriteConfig("b.zrt", 8, 1, 500);
    m_doc.m_nodes[4].m_strArch = m_doc.m_nodes[3].m_strArch;
    m_doc.SetModifiedFlag();

    frame.Prompter().SetNextFile(QString::fromStdString(other));
    frame.Prompter().SetNextAnswer(PromptAnswer::Cancel);
    QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{kCloseWithoutSaving});
    EXPECT_EQ(m_doc.m_nPortCount, 4);
    EXPECT_EQ(m_doc.GetTitle(), "a.zrt");

    frame.Prompter().ClearShown();
    frame.Prompter().SetNextFile(QString::fromStdString(other));
    frame.Prompter().SetNextAnswer(PromptAnswer::Ok);
    frame.Action(kCmdFileOpen)->trigger();
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{kCloseWithoutSaving});
    EXPECT_EQ(m_doc.m_nPortCount, 8);
    EXPECT_EQ(frame.Tree().ItemText(frame.Tree().RootItem()), "b System");
    EXPECT_EQ(frame.windowHandle()->title(), "b.zrt - NEXIL Video Switcher Programming Tool");
}

TEST_F(AppTest, ExpandTreeOpensThePortsOfConflictingInputs) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 3, 100))));
    m_doc.m_nodes[NodeLabelled(m_doc, "exp 3, inp 9")].m_strArch =
        m_doc.m_nodes[NodeLabelled(m_doc, "exp 1, inp 2")].m_strArch;
    for (const char* port : {"Input 1", "Input 2", "Input 3"})
        ASSERT_FALSE(ItemOf(m_doc, port)->isExpanded());

    frame.UpdateCommands();
    ASSERT_TRUE(frame.Action(kCmdExpandConflicts)->isEnabled());
    frame.Action(kCmdExpandConflicts)->trigger();
    EXPECT_TRUE(ItemOf(m_doc, "Input 1")->isExpanded());
    EXPECT_FALSE(ItemOf(m_doc, "Input 2")->isExpanded());
    EXPECT_TRUE(ItemOf(m_doc, "Input 3")->isExpanded());
}

TEST_F(AppTest, ResetAllGivesTheOriginalNumbersBack) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    ClickItem(frame.Tree(), ItemOf(m_doc, "Settings"));
    frame.UpdateCommands();
    EXPECT_FALSE(frame.Action(kCmdResetAllArch)->isEnabled());

    AssignArch(m_doc, frame.Tree(), 3, "22", "", 1);  // Input 1 takes Input 2's number
    AssignArch(m_doc, frame.Tree(), 6, "77", "Gate", 9);
    RefreshTreeMarks(m_doc, frame.Tree());
    EXPECT_EQ(frame.Tree().ItemState(m_doc.m_nodes[3].m_hItem), kStateConflict);
    m_doc.SetModifiedFlag(false);
    // The changed input is on show: its page follows the reset as after a single one.
    ClickItem(frame.Tree(), frame.Tree().ToWidgetItem(m_doc.m_nodes[3].m_hItem));
    frame.UpdateCommands();
    ASSERT_TRUE(frame.Action(kCmdResetAllArch)->isEnabled());
    auto* current = frame.RightPane()->findChild<QLineEdit*>("currentArch");
    auto* reset = frame.RightPane()->findChild<QPushButton*>("resetToOriginal");
    auto* list = frame.RightPane()->findChild<QTreeWidget*>("archList");
    EXPECT_EQ(current->text(), "22");
    EXPECT_TRUE(reset->isEnabled());

    frame.Action(kCmdResetAllArch)->trigger();
    EXPECT_EQ(current->text(), "21");
    EXPECT_FALSE(reset->isEnabled());
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(0), "21");
    EXPECT_EQ(m_doc.m_nodes[3].m_strArch, "21");
    EXPECT_EQ(m_doc.m_nodes[6].m_strArch, "24");
    EXPECT_EQ(frame.Tree().ItemText(m_doc.m_nodes[6].m_hItem), "Input 4, 24  ");
    EXPECT_EQ(frame.Tree().ItemState(m_doc.m_nodes[3].m_hItem), kStateClear);
    EXPECT_EQ(frame.ModifiedPaneText(), "Modified");
}

TEST_F(AppTest, TreeWidthIsKeptAcrossRuns) {
    {
        CMainFrame& first = NewFrame();
        const int standard = first.fontMetrics().horizontalAdvance(
                                 "some text to 1234XXX plus ext plus a little bit more") +
                             75;
        EXPECT_EQ(first.TreeWidth(), standard);
        first.Splitter()->setSizes({321, 600});
        EXPECT_TRUE(first.close());
    }
    EXPECT_EQ(m_profile->GetInt("userdata", "SplitterWidth", -1), 321);
    m_frames.clear();
    CMainFrame& second = NewFrame();
    EXPECT_EQ(second.TreeWidth(), 321);
    // Switching pages and widening the window leave the tree as wide as it was.
    ASSERT_TRUE(
        second.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    ClickItem(second.Tree(), ItemOf(m_doc, "Settings"));
    second.resize(1200, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(second.TreeWidth(), 321);
}

TEST_F(AppTest, WhileBusyTheProgressPageStaysAndTheWindowStaysOpen) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    frame.State().m_bBusy = true;
    ASSERT_NE(frame.ShowPage(PageKind::CStatusForm, nullptr), nullptr);
    frame.Prompter().SetProgress(42);
    auto* status = dynamic_cast<CStatusForm*>(frame.CurrentPage());
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->Progress(), 42);

    ClickItem(frame.Tree(), ItemOf(m_doc, "Input 2"));
    EXPECT_EQ(frame.CurrentPage(), status);
    frame.UpdateCommands();
    for (int id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdFileSaveAs, kCmdPrint,
                   kCmdWriteUnit, kCmdReadUnit})
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;

    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(
        frame.Prompter().ShownTexts(),
        std::vector<std::string>{"Cannot close, Currently Communicating with the M-4400 unit."});
}

TEST_F(AppTest, ClosingAModifiedConfigurationAsksToSave) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    m_doc.SetModifiedFlag();
    frame.Prompter().SetNextAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to s.zrt?"});
    frame.Prompter().SetNextAnswer(PromptAnswer::No);
    EXPECT_TRUE(frame.close());
}

TEST_F(AppTest, DroppedFileIsOpenedButNotDuringATransfer) {
    CMainFrame& frame = NewFrame();
    const std::string path = WriteConfig("dropped.zrt", 8, 0, 300);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    {
        frame.State().m_bBusy = true;
        m_doc.SetModifiedFlag(true);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        EXPECT_FALSE(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        EXPECT_EQ(m_doc.GetPathName(), "");
        EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
        frame.State().m_bBusy = false;
        m_doc.SetModifiedFlag(false);
    }
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(m_doc.m_nPortCount, 8);
}

TEST_F(AppTest, RecentFilesReopenAndForgetFilesThatFail) {
    CMainFrame& frame = NewFrame();
    const std::string a = WriteConfig("a.zrt", 4, 0, 10);
    const std::string b = WriteConfig("b.zrt", 8, 0, 10);
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(a)));
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(b)));
    QAction* first = frame.Action(kCmdRecentFirst);
    QAction* second = frame.Action(kCmdRecentFirst + 1);
    EXPECT_EQ(first->text(), QString("&1 %1").arg(QString::fromStdString(b)));
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(frame.Action(kCmdRecentFirst + 2)->isVisible());

    second->trigger();
    EXPECT_EQ(m_doc.GetPathName(), a);
    std::filesystem::remove(b);
    frame.Action(kCmdRecentFirst + 1)->trigger();
    EXPECT_EQ(m_doc.GetPathName(), a);
    EXPECT_FALSE(frame.Action(kCmdRecentFirst + 1)->isVisible());
}

TEST_F(AppTest, HelpWithoutItsPageShowsAbout) {
    CMainFrame& frame = NewFrame();
    auto* help = GroupOf<HelpCommandGroup>(frame);
    ASSERT_NE(help, nullptr);
    int abouts = 0;
    QStringList opened;
    help->m_showAbout = [&] { ++abouts; };
    help->m_openFile = [&](const QString& path) {
        opened << path;
        return true;
    };
    help->m_strHelpPath = QString::fromStdString(PathOf("help/zrtindex.htm"));
    QTest::keyClick(&frame, Qt::Key_F1);
    EXPECT_EQ(abouts, 1);
    EXPECT_TRUE(opened.isEmpty());

    std::filesystem::create_directories(m_dir.PathOf("help"));
    std::ofstream(PathOf("help/zrtindex.htm")) << "<html></html>";
    QTest::keyClick(&frame, Qt::Key_F1);
    EXPECT_EQ(abouts, 1);
    EXPECT_EQ(opened, QStringList{help->m_strHelpPath});
}

TEST_F(AppTest, VerifyWriteIsAStoredSetting) {
    CMainFrame& frame = NewFrame();
    QAction* verify = frame.Action(kCmdVerifyWrite);
    EXPECT_FALSE(verify->isChecked());
    verify->trigger();
    EXPECT_TRUE(frame.State().m_bEnableVerify);
    EXPECT_TRUE(verify->isChecked());
    EXPECT_EQ(m_profile->GetInt("userdata", "EnableVerify", -1), 1);
}

// A file saved by answering Yes to another command's save question enters the
// recent files, as every save does.
TEST_F(AppTest, ASaveInTheSaveQuestionEntersTheRecentFiles) {
    CMainFrame& frame = NewFrame();
    const std::string a = WriteConfig("a.zrt", 4, 0, 10);
    const std::string b = WriteConfig("b.zrt", 8, 0, 10);
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(a)));
    frame.Documents().Recent().Remove(a);
    m_doc.SetModifiedFlag();
    frame.Prompter().SetNextAnswer(PromptAnswer::Yes);
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(b)));
    EXPECT_EQ(frame.Prompter().ShownTexts(), std::vector<std::string>{"Save changes to a.zrt?"});
    EXPECT_EQ(frame.Action(kCmdRecentFirst)->text(),
              QString("&1 %1").arg(QString::fromStdString(b)));
    EXPECT_EQ(frame.Action(kCmdRecentFirst + 1)->text(),
              QString("&2 %1").arg(QString::fromStdString(a)));
    EXPECT_EQ(RecentFiles(*m_profile, 4).Paths(), (std::vector<std::string>{b, a}));
}
