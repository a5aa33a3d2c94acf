#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include "app/AppFixture.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "import/widgets/CUnitModelDlg.h"
#include "model/CommandIds.h"
#include "pages/widgets/CBaseForm.h"
#include "support/ModalAnswers.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"

namespace {

QTreeWidget* ArchListOf(CMainFrame& frame) {
    return frame.RightPane()->findChild<QTreeWidget*>("archList");
}

}  // namespace

// The central task without a mouse: the list shows the input's number, the
// arrow keys move the highlight and assign nothing, Enter or Space assigns.
TEST_F(AppTest, ArchNumbersAreAssignedFromTheKeyboard) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 0, 40))));
    frame.Tree().setFocus();
    frame.Tree().SelectItem(m_doc.m_nodes[3].m_hItem);  // Input 1, 41
    QTest::keyClick(&frame.Tree(), Qt::Key_Return);
    QTreeWidget* list = ArchListOf(frame);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->hasFocus());
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(0), "41");

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentItem()->text(0), "43");
    EXPECT_EQ(m_doc.m_nodes[3].m_strArch, "41");
    EXPECT_FALSE(m_doc.IsModified());

    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(m_doc.m_nodes[3].m_strArch, "43");
    EXPECT_EQ(frame.Tree().ItemText(m_doc.m_nodes[3].m_hItem).rfind("Input 1, 43", 0), 0u);
    EXPECT_EQ(frame.RightPane()->findChild<QLineEdit*>("currentArch")->text(), "43");
    EXPECT_TRUE(m_doc.IsModified());
    frame.UpdateCommands();  // as the window's idle refresh does
    EXPECT_TRUE(frame.isWindowModified());
    // After the refill the new number is the highlighted row, and Space assigns too.
    EXPECT_EQ(list->currentItem()->text(0), "43");
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(m_doc.m_nodes[3].m_strArch, "42");
}

// Walking the tree with the keys keeps the focus there, whatever page opens;
// Tab goes into the page and Shift+Tab comes back.
TEST_F(AppTest, WalkingTheTreeKeepsTheFocusInIt) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    CLeftTreeView& tree = frame.Tree();
    tree.setFocus();
    tree.SelectItem(tree.RootItem());
    std::vector<PageKind> seen;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(&tree, Qt::Key_Down);
        seen.push_back(frame.CurrentPageKind());
        EXPECT_TRUE(tree.hasFocus()) << step;
    }
    EXPECT_NE(std::find(seen.begin(), seen.end(), PageKind::CIdleLoopForm), seen.end());

    ClickItem(tree, ItemOf(m_doc, "Idle Loop"));
    ASSERT_EQ(frame.CurrentPageKind(), PageKind::CIdleLoopForm);
    EXPECT_TRUE(frame.CurrentPage()->FocusTarget()->hasFocus());  // opened with the mouse

    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Tab);
    EXPECT_TRUE(frame.CurrentPage()->FocusTarget()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(tree.hasFocus());
}

// Going into the settings page lands on the priority chosen, not the first
// one, so that a Space there changes nothing.
TEST_F(AppTest, EnteringThePageFocusesTheChosenRadioButton) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    frame.Tree().setFocus();
    frame.Tree().SelectItem(m_doc.m_nodes[1].m_hItem);  // Settings
    QTest::keyClick(&frame.Tree(), Qt::Key_Return);
    QWidget* chosen = frame.RightPane()->findChild<QWidget*>("priority2");
    ASSERT_EQ(m_doc.m_nPriority, 2);
    EXPECT_EQ(QApplication::focusWidget(), chosen);
    QTest::keyClick(chosen, Qt::Key_Space);
    EXPECT_EQ(m_doc.m_nPriority, 2);
}

TEST_F(AppTest, TitleCarriesTheUnsavedMark) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_EQ(frame.windowHandle()->title(), "s.zrt - NEXIL Video Switcher Programming Tool");
    m_doc.SetModifiedFlag(true);
    frame.UpdateCommands();
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_EQ(frame.windowHandle()->title(), "s.zrt* - NEXIL Video Switcher Programming Tool");
    EXPECT_EQ(frame.ModifiedPaneText(), "Modified");
}

// The tree never collapses: a small window takes its width from the page, a
// larger one gives the tree its width back, and a stored width too small is
// raised to the minimum on restart.
TEST_F(AppTest, TreePaneKeepsAUsableWidth) {
    const int narrowest = 180;
    {
        CMainFrame& frame = NewFrame();
        ASSERT_TRUE(
            frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 2, 300))));
        const int chosen = frame.TreeWidth();
        frame.resize(300, 600);
        QTest::qWait(50);
        EXPECT_GE(frame.TreeWidth(), narrowest);
        // At its narrowest the tree still shows every input's place and number.
        const CLeftTreeView& tree = frame.Tree();
        EXPECT_GE(frame.TreeWidth(),
                  2 * tree.indentation() + tree.iconSize().width() +
                      tree.fontMetrics().horizontalAdvance("exp 2, inp 24, 348"));
        frame.resize(1200, 700);
        QTest::qWait(50);
        EXPECT_EQ(frame.TreeWidth(), chosen);

        frame.Splitter()->setSizes({2, 1000});
        EXPECT_TRUE(frame.close());
    }
    EXPECT_GE(m_profile->GetInt("userdata", "SplitterWidth", -1), narrowest);
    m_frames.clear();
    m_profile->SetInt("userdata", "SplitterWidth", 3);
    CMainFrame& second = NewFrame();
    ASSERT_TRUE(
        second.Documents().OpenFile(QString::fromStdString(WriteConfig("t.zrt", 8, 2, 300))));
    QTest::qWait(50);
    EXPECT_GE(second.TreeWidth(), narrowest);
}

// The tree's and the Arch Number list's selection show which of them the
// arrow keys move.
TEST_F(AppTest, SelectionShowsWhereTheKeysGo) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 0, 20))));
    CLeftTreeView& tree = frame.Tree();
    tree.setFocus();
    tree.SelectItem(m_doc.m_nodes[3].m_hItem);
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const auto shown = [](const QWidget* w) {
        return w->palette().color(QPalette::Active, QPalette::Highlight);
    };
    EXPECT_EQ(shown(&tree), highlight);
    QTest::keyClick(&tree, Qt::Key_Return);
    QTreeWidget* list = ArchListOf(frame);
    ASSERT_TRUE(list && list->hasFocus());
    EXPECT_EQ(shown(list), highlight);
    EXPECT_NE(shown(&tree), highlight);
    QTest::keyClick(list, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(tree.hasFocus());
    EXPECT_EQ(shown(&tree), highlight);
    EXPECT_NE(shown(list), highlight);
}

// The whole task without a mouse, as a screen reader's user works: open a
// file from its dialog, assign a number, save, write with verify to the
// demonstration unit, read it back, and look at the unit history.
TEST_F(AppTest, KeyboardOnlyJourneyFromOpenToTheUnitHistory) {
    // Inputs 11-14, the loop 11-13, and the unused paging zone 90.
    const QString path = QString::fromStdString(PathOf("site.zrt"));
    {
        CZRTProDoc site;
        MemoryTree tree;
        BuildPagingSite(site, tree);
        std::ofstream(path.toStdString(), std::ios::binary) << EncodeZrt(site);
    }
    m_profile->SetInt("userdata", "EnableVerify", 1);
    CMainFrame& frame = NewFrame();
    frame.Prompter().SetScripted(false);
    const auto key = [&frame](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
        QTest::keyClick(target, static_cast<Qt::Key>(k), modifiers);
    };
    // No message should stop the journey: one that does fails it and is closed.
    QTimer unexpected;
    QObject::connect(&unexpected, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                ADD_FAILURE() << box->text().toStdString();
                box->reject();
            }
    });
    unexpected.start(200);
    // A window manager gives the keys back to the window when a dialog
    // closes; the offscreen platform has none, so the test does it.
    const auto back = [&frame] {
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    };

    WhenShown<QFileDialog>([path](QFileDialog&) {
        QTest::keyClicks(QApplication::focusWidget(), path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(m_doc.GetPathName(), path.toStdString());
    // A Lunetta site with a 2-digit dial plan, as the unit needs to know.
    m_doc.m_nPagingSystem = 2;
    m_doc.m_nDialDigits = 2;
    back();

    if (!frame.Tree().hasFocus()) key(Qt::Key_F6);
    ASSERT_TRUE(frame.Tree().hasFocus());
    // Input 4 (14), whose number the idle loop does not hold, takes 90.
    while (frame.CurrentPageKind() != PageKind::CZRTForm) key(Qt::Key_Down);
    for (int row = 0; row < 3; ++row) key(Qt::Key_Down);
    const int input = m_doc.FindNodeByItem(frame.Tree().SelectedItem());
    ASSERT_EQ(m_doc.m_nodes[static_cast<size_t>(input)].m_strArch, "14");
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    const std::string assigned = m_doc.m_nodes[static_cast<size_t>(input)].m_strArch;
    EXPECT_EQ(assigned, "90");
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(m_doc.IsModified());

    // The demonstration unit is the first entry; Enter connects. The unit's
    // memory is kept first, then Alt+W answers "Write to Unit".
    WhenShown<ConnectionDlg>([](ConnectionDlg& dlg) {
        EXPECT_EQ(dlg.Units()->currentRow(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    WhenShown<DiffDialog>([](DiffDialog&) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    });
    key(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(frame.StatusText(), "Write operation completed and Verified");
    back();

    WhenShown<ConnectionDlg>(
        [](ConnectionDlg&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
    WhenShown<CUnitModelDlg>(
        [](CUnitModelDlg&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(m_doc.GetTitle(), "untitled");
    ASSERT_GT(m_doc.NodeCount(), input);
    EXPECT_EQ(m_doc.m_nodes[static_cast<size_t>(input)].m_strArch, assigned);
    back();

    // View > Unit History... from the menu's access keys; Esc closes it.
    size_t kept = 0;
    WhenShown<UnitHistoryDlg>([&kept](UnitHistoryDlg& dlg) {
        kept = static_cast<size_t>(dlg.List()->topLevelItemCount());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    key(Qt::Key_V, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_H);
    EXPECT_GE(kept, 2u);  // the copy kept before the write and the read
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
}
