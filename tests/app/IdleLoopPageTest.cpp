#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>

#include "app/PageFixture.h"
#include "pages/widgets/CIdleListBox.h"
#include "pages/widgets/CIdleLoopForm.h"

namespace {

class IdleLoopPageTest : public PageTest {
protected:
    void Open() {
        CMainFrame& frame = OpenSite([](CZRTProDoc& doc) {
            doc.m_idleLoop = {"21", "22", "23"};
            doc.m_nIdleDelay = 10;
        });
        m_pPage = Show<CIdleLoopForm>(frame, "Idle Loop");
        ASSERT_NE(m_pPage, nullptr);
        m_pArch = m_pPage->findChild<QListWidget*>("archNumbers");
        m_pLoop = m_pPage->findChild<CIdleListBox*>("idleLoop");
        m_pDelay = m_pPage->findChild<QLineEdit*>("delay");
    }
    void Press(const char* button) {
        QTest::mouseClick(m_pPage->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void Drag(int from, int onto) {
        QWidget* viewport = m_pLoop->viewport();
        const QPoint start = m_pLoop->visualItemRect(m_pLoop->item(from)).center();
        const QPoint end = m_pLoop->visualItemRect(m_pLoop->item(onto)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport, (start + end) / 2);
        QTest::mouseMove(viewport, end);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    }
    std::vector<std::string> Loop() const { return m_doc.m_idleLoop; }

    CIdleLoopForm* m_pPage = nullptr;
    QListWidget* m_pArch = nullptr;
    CIdleListBox* m_pLoop = nullptr;
    QLineEdit* m_pDelay = nullptr;
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(IdleLoopPageTest, LoadShowsNamedLinesAndTheEndMarker) {
    Open();
    EXPECT_EQ(Lines(m_pLoop),
              (QStringList{"21\t" + QString::fromStdString(PadName("Hall")),
                           "22\t" + QString::fromStdString(PadName("Gym")),
                           "23\t" + QString::fromStdString(PadName("Yard")), "<end of list>"}));
    EXPECT_EQ(m_pLoop->currentRow(), 3);
    EXPECT_EQ(m_pArch->count(), 4);
    EXPECT_EQ(m_pArch->currentRow(), 0);
    EXPECT_EQ(m_pDelay->text(), "10");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(IdleLoopPageTest, ArrowsAndDoubleClicksMoveNumbersBetweenTheLists) {
    Open();
    ClickLine(m_pArch, 2);  // 23
    Press("addToLoop");
    EXPECT_EQ(Loop(), (Strings{"21", "22", "23", "23"}));
    EXPECT_TRUE(m_doc.IsModified());
    ClickLine(m_pArch, 0, true);  // 21, added before the still selected end marker
    EXPECT_EQ(Loop(), (Strings{"21", "22", "23", "23", "21"}));

    ClickLine(m_pLoop, 1, true);
    EXPECT_EQ(Loop(), (Strings{"21", "23", "23", "21"}));
    EXPECT_EQ(m_pLoop->currentRow(), 1);
    Press("removeFromLoop");
    EXPECT_EQ(Loop(), (Strings{"21", "23", "21"}));
    ClickLine(m_pLoop, 3, true);  // the end marker stays
    EXPECT_EQ(Loop(), (Strings{"21", "23", "21"}));

    Press("clearLoop");
    EXPECT_EQ(Loop(), (Strings{"21"}));
    EXPECT_EQ(Lines(m_pLoop), (QStringList{"21", "<end of list>"}));
    m_frames.back()->Prompter().ClearShown();
    Press("removeFromLoop");
    EXPECT_EQ(Loop(), (Strings{"21"}));
    EXPECT_EQ(
        m_frames.back()->Prompter().ShownTexts(),
        (std::vector<std::string>{"You must leave at least one valid entry\r\nin the idle list."}));
    Press("addAll");
    EXPECT_EQ(Loop(), (Strings{"21", "21", "22", "23", Node("Input 4").m_strArch}));
}

TEST_F(IdleLoopPageTest, DeleteRemovesALineOnlyFromTheLoopList) {
    Open();
    ClickLine(m_pLoop, 0);
    QTest::mouseClick(m_pDelay, Qt::LeftButton);
    ASSERT_TRUE(m_pDelay->hasFocus());
    QTest::keyClick(m_pDelay, Qt::Key_End);
    QTest::keyClicks(m_pDelay, "5");
    QTest::keyClick(m_pDelay, Qt::Key_Home);
    QTest::keyClick(m_pDelay, Qt::Key_Delete);  // 105 becomes 05
    EXPECT_EQ(Loop(), (Strings{"21", "22", "23"}));
    EXPECT_EQ(m_pDelay->text(), "05");
    EXPECT_EQ(m_doc.m_nIdleDelay, 5);

    ClickLine(m_pLoop, 0);
    ASSERT_TRUE(m_pLoop->hasFocus());
    QTest::keyClick(m_pLoop, Qt::Key_Delete);
    EXPECT_EQ(Loop(), (Strings{"22", "23"}));
    QTest::keyClick(m_pLoop, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(Loop(), (Strings{"23"}));
}

TEST_F(IdleLoopPageTest, EnterInTheNumbersAddsTheSelectedOne) {
    Open();
    m_pArch->setFocus();
    QTest::keyClick(m_pArch, Qt::Key_Down);
    QTest::keyClick(m_pArch, Qt::Key_Return);
    EXPECT_EQ(Loop(), (Strings{"21", "22", "23", "22"}));
    EXPECT_TRUE(m_pArch->hasFocus());
}

TEST_F(IdleLoopPageTest, DelayIsCheckedOnEveryKeystroke) {
    Open();
    auto* warning = m_pPage->findChild<QLabel*>("delayWarning");
    EXPECT_FALSE(warning->isVisible());
    m_pDelay->selectAll();
    QTest::keyClicks(m_pDelay, "5s");
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(m_doc.m_nIdleDelay, 5) << "5 was valid before the s";
    QTest::keyClick(m_pDelay, Qt::Key_Backspace);
    EXPECT_FALSE(warning->isVisible());
    QTest::keyClicks(m_pDelay, "00");
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(m_doc.m_nIdleDelay, 50) << "50 on the way is stored, 500 is not";
}

TEST_F(IdleLoopPageTest, LinesMoveByDraggingButNeverTheEndMarker) {
    Open();
    Drag(0, 3);  // onto the end marker: 21 becomes the last entry
    EXPECT_EQ(Loop(), (Strings{"22", "23", "21"}));
    EXPECT_EQ(m_pLoop->currentRow(), 2);
    EXPECT_TRUE(m_pLoop->DragAccepted());

    m_doc.SetModifiedFlag(false);
    Drag(3, 0);
    EXPECT_FALSE(m_pLoop->DragAccepted());
    EXPECT_EQ(Loop(), (Strings{"22", "23", "21"}));
    EXPECT_EQ(m_pLoop->item(3)->text(), "<end of list>");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(IdleLoopPageTest, NoVideoIsAnEdit) {
    Open();
    QTest::mouseClick(m_pPage->findChild<QCheckBox*>("noVideo"), Qt::LeftButton);
    EXPECT_EQ(m_doc.m_bIdleNoVideo, 1);
    EXPECT_TRUE(m_doc.IsModified());
}

// At the window's smallest size every button of the page shows whole in the
// pane beside the tree, without scrolling.
TEST_F(IdleLoopPageTest, ButtonsShowWholeInTheSmallestWindow) {
    Open();
    CMainFrame& frame = *m_frames.back();
    frame.resize(1, 1);
    QTest::qWait(50);
    ASSERT_EQ(frame.size(), frame.minimumSize());
    m_pPage = frame.findChild<CIdleLoopForm*>();
    auto* area = qobject_cast<QScrollArea*>(frame.Splitter()->widget(1));
    ASSERT_TRUE(area);
    const QRect visible = area->viewport()->rect();
    for (const char* name : {"addToLoop", "removeFromLoop", "addAll", "clearLoop"}) {
        const QPushButton* button = m_pPage->findChild<QPushButton*>(name);
        ASSERT_TRUE(button) << name;
        const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(button->isVisible()) << name;
        EXPECT_TRUE(visible.contains(shown))
            << name << " at " << shown.y() << "+" << shown.height() << " in " << visible.height();
    }
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
}
