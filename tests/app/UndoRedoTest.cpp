#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include "app/PageFixture.h"
#include "model/CommandIds.h"
#include "pages/widgets/CIdleLoopForm.h"
#include "pages/widgets/CZRTForm.h"

namespace {

class UndoRedoTest : public PageTest {
protected:
    QString MenuText(int command) {
        m_pFrame->UpdateCommands();
        QAction* action = m_pFrame->Action(command);
        return action->isEnabled() ? action->text() : QString();
    }
    // A key pressed where the focus is, as the user presses it.
    void Press(QKeyCombination key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_pFrame, key.key(), key.keyboardModifiers());
    }
    QString TreeText(const std::string& label) { return ItemOf(m_doc, label)->text(0); }
    QString CurrentArch() {
        return m_pFrame->CurrentPage()->findChild<QLineEdit*>("currentArch")->text();
    }

    CMainFrame* m_pFrame = nullptr;
};

void ClickRow(QTreeWidget* list, const QString& arch) {
    const QList<QTreeWidgetItem*> found = list->findItems(arch, Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << arch.toStdString();
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
}

}  // namespace

// A user edits an input, fills the idle loop, types its delay, takes every edit back
// with Ctrl+Z and makes them again with Ctrl+Y and Ctrl+Shift+Z: the tree,
// the page shown and the modified mark follow each step, and the
// configuration comes back byte for byte.
TEST_F(UndoRedoTest, EditsAreTakenBackAndMadeAgainFromTheKeyboard) {
    m_pFrame = &OpenSite();
    CMainFrame& frame = *m_pFrame;
    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    for (int command : {kCmdEditUndo, kCmdEditRedo})
        EXPECT_TRUE(frame.ToolBar()->actions().contains(frame.Action(command)));
    EXPECT_EQ(MenuText(kCmdEditUndo), "");
    const std::string opened = EncodeZrt(m_doc);
    const QString hall = TreeText("Input 1");

    auto* arch = Show<CZRTForm>(frame, "Input 1");
    ASSERT_NE(arch, nullptr);
    ClickRow(arch->ArchList(), "30");
    EXPECT_EQ(MenuText(kCmdEditUndo), "&Undo Assign 30 to Input 1");
    EXPECT_EQ(frame.Action(kCmdEditUndo)->toolTip(), "Undo Assign 30 to Input 1");
    const std::string assigned = EncodeZrt(m_doc);
    const QString moved = TreeText("Input 1");
    EXPECT_NE(moved, hall);

    auto* idle = Show<CIdleLoopForm>(frame, "Idle Loop");
    ASSERT_NE(idle, nullptr);
    QTest::mouseClick(idle->findChild<QPushButton*>("addAll"), Qt::LeftButton);
    EXPECT_EQ(MenuText(kCmdEditUndo), "&Undo Add All to Idle Loop");
    const std::string filled = EncodeZrt(m_doc);
    auto* delay = idle->findChild<QLineEdit*>("delay");
    QTest::mouseClick(delay, Qt::LeftButton);
    QTest::keyClick(delay, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(delay, "42");
    QTest::keyClick(delay, Qt::Key_Tab);  // committed
    EXPECT_EQ(m_doc.m_nIdleDelay, 42);
    EXPECT_EQ(MenuText(kCmdEditUndo), "&Undo Change Idle Loop Delay");
    const std::string typed = EncodeZrt(m_doc);

    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(EncodeZrt(m_doc), filled);
    EXPECT_EQ(MenuText(kCmdEditRedo), "&Redo Change Idle Loop Delay");
    idle = dynamic_cast<CIdleLoopForm*>(frame.CurrentPage());
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->findChild<QLineEdit*>("delay")->text(), "3");

    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(EncodeZrt(m_doc), assigned);
    Press(Qt::CTRL | Qt::Key_Z);
    // Back at the opened file: the input's page is shown with its old number.
    EXPECT_EQ(EncodeZrt(m_doc), opened);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(frame.ModifiedPaneText().trimmed(), "");
    ASSERT_EQ(frame.CurrentPageKind(), PageKind::CZRTForm);
    EXPECT_EQ(frame.Tree().SelectedItem(), Node("Input 1").m_hItem);
    EXPECT_EQ(CurrentArch(), "21");
    EXPECT_EQ(TreeText("Input 1"), hall);
    EXPECT_EQ(MenuText(kCmdEditUndo), "");

    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(EncodeZrt(m_doc), assigned);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(CurrentArch(), "30");
    EXPECT_EQ(TreeText("Input 1"), moved);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(EncodeZrt(m_doc), filled);
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::CIdleLoopForm);
    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(EncodeZrt(m_doc), typed);

    // While the window is busy with the unit, neither moves.
    frame.State().m_bBusy = true;
    EXPECT_EQ(MenuText(kCmdEditUndo), "");
    frame.Tree().setFocus();
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(EncodeZrt(m_doc), typed);
    frame.State().m_bBusy = false;
}

// Reset All from the View menu is one step that puts every number back.
TEST_F(UndoRedoTest, ResetAllIsOneStep) {
    m_pFrame = &OpenSite();
    CMainFrame& frame = *m_pFrame;
    auto* arch = Show<CZRTForm>(frame, "Input 1");
    ASSERT_NE(arch, nullptr);
    ClickRow(arch->ArchList(), "30");
    Show<CZRTForm>(frame, "Input 2");
    ClickRow(dynamic_cast<CZRTForm*>(frame.CurrentPage())->ArchList(), "100");
    const std::string edited = EncodeZrt(m_doc);
    frame.UpdateCommands();
    frame.Action(kCmdResetAllArch)->trigger();
    EXPECT_EQ(MenuText(kCmdEditUndo), "&Undo Reset All Arch Numbers");
    EXPECT_EQ(CurrentArch(), "22");

    frame.Action(kCmdEditUndo)->trigger();
    EXPECT_EQ(EncodeZrt(m_doc), edited);
    EXPECT_EQ(CurrentArch(), "100");
    EXPECT_EQ(TreeText("Input 1").left(11), "Input 1, 30");
}

// Every control of the settings and idle loop pages that changes the
// configuration records one step named for it, and Undo puts it back.
TEST_F(UndoRedoTest, EveryPageControlRecordsItsStep) {
    m_pFrame = &OpenSite([](CZRTProDoc& doc) {
        doc.m_nPagingSystem = kPagingLunetta;
        doc.m_idleLoop = {"21", "22", "23"};
        doc.m_byTimeRefresh = 0;
    });
    CMainFrame& frame = *m_pFrame;
    const struct {
        const char* page;
        std::function<void(QWidget&)> act;
        QString label;
    } cases[] = {
        {"Settings", [](QWidget& p) { p.findChild<QAbstractButton*>("priority1")->click(); },
         "Change Priority"},
        {"Settings", [](QWidget& p) { p.findChild<QAbstractButton*>("timeFromPc")->click(); },
         "Change Refresh Time from PC"},
        {"Settings", [](QWidget& p) { p.findChild<QAbstractButton*>("timeFromSmdr")->click(); },
         "Change Refresh Time from SMDR"},
        {"Settings",
         [](QWidget& p) {
             ClickLine(p.findChild<QListWidget*>("adminList"), 0);
             p.findChild<QAbstractButton*>("moveDown")->click();
         },
         "Move Administrator Down"},
        {"Idle Loop", [](QWidget& p) { p.findChild<QAbstractButton*>("noVideo")->click(); },
         "Change No Video during Idle"},
        {"Idle Loop",
         [](QWidget& p) {
             ClickLine(p.findChild<QListWidget*>("archNumbers"), 0);
             ClickLine(p.findChild<QListWidget*>("idleLoop"), 0);
             p.findChild<QAbstractButton*>("addToLoop")->click();
         },
         "Insert into Idle Loop"},
        {"Idle Loop",
         [](QWidget& p) {
             ClickLine(p.findChild<QListWidget*>("archNumbers"), 0);
             ClickLine(p.findChild<QListWidget*>("idleLoop"), 3);
             p.findChild<QAbstractButton*>("addToLoop")->click();
         },
         "Add to Idle Loop"},
        {"Idle Loop",
         [](QWidget& p) {
             ClickLine(p.findChild<QListWidget*>("idleLoop"), 1);
             p.findChild<QAbstractButton*>("removeFromLoop")->click();
         },
         "Delete from Idle Loop"},
        {"Idle Loop", [](QWidget& p) { p.findChild<QAbstractButton*>("clearLoop")->click(); },
         "Clear Idle Loop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label.toStdString());
        CBaseForm* page = Show<CBaseForm>(frame, c.page);
        ASSERT_NE(page, nullptr);
        const std::string before = EncodeZrt(m_doc);
        c.act(*page);
        EXPECT_NE(EncodeZrt(m_doc), before);
        EXPECT_EQ(MenuText(kCmdEditUndo), "&Undo " + c.label);
        frame.Action(kCmdEditUndo)->trigger();
        EXPECT_EQ(EncodeZrt(m_doc), before);
        EXPECT_FALSE(m_doc.IsModified());
    }
}
