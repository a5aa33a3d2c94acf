#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"

namespace {

struct Found {
    const char* arch;  // the number the page beside the tree shows
    const char* summary;
};

void ExpectFound(CMainFrame& frame, const Found& expected, const char* step) {
    auto* text = frame.findChild<QLineEdit*>("findText");
    EXPECT_EQ(frame.findChild<QLabel*>("findSummary")->text(), expected.summary) << step;
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::CZRTForm) << step;
    EXPECT_EQ(frame.RightPane()->findChild<QLineEdit*>("currentArch")->text(), expected.arch)
        << step;
    EXPECT_EQ(QApplication::focusWidget(), text) << step;
}

}  // namespace

// Ctrl+F, typing, Enter, F3 and Shift+F3 walk the matching inputs and show
// their pages while the focus stays in the find text; Esc keeps the last one.
TEST_F(AppTest, FindBarWalksTheMatchingInputs) {
    CMainFrame& frame = NewFrame();
    // Ports 1 and 2 carry camera interface units (101-124, 125-148); ports 3-8
    // are direct inputs 149-154.
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 2, 100))));
    frame.UpdateCommands();
    CLeftTreeView& tree = frame.Tree();
    tree.setFocus();
    ClickItem(tree, ItemOf(m_doc, "Input 3"));  // 149
    tree.setFocus();
    // The bar is made when it is first wanted.
    EXPECT_FALSE(frame.findChild<QWidget*>("findBar"));

    QTest::keyClick(&tree, Qt::Key_F, Qt::ControlModifier);
    auto* bar = frame.findChild<QWidget*>("findBar");
    auto* text = frame.findChild<QLineEdit*>("findText");
    ASSERT_TRUE(bar && text);
    ASSERT_TRUE(bar->isVisible());
    ASSERT_TRUE(text->hasFocus());

    // 114 and 140 to 149 hold "14"; a typed search starts at the top.
    QTest::keyClicks(text, "14");
    ExpectFound(frame, {"114", "1 of 11"}, "typed 14");
    EXPECT_TRUE(ItemOf(m_doc, "exp 1, inp 14")->isSelected());
    EXPECT_TRUE(ItemOf(m_doc, "Input 1")->isExpanded());
    QTest::keyClick(text, Qt::Key_F3);
    ExpectFound(frame, {"140", "2 of 11"}, "F3");
    QTest::keyClick(text, Qt::Key_Return);
    ExpectFound(frame, {"141", "3 of 11"}, "Enter");
    QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
    ExpectFound(frame, {"140", "2 of 11"}, "Shift+F3");
    // Typing more keeps the match while it still matches.
    QTest::keyClick(text, Qt::Key_0);
    ExpectFound(frame, {"140", "1 of 1"}, "typed 140");
    QTest::keyClick(text, Qt::Key_Backspace);
    ExpectFound(frame, {"140", "2 of 11"}, "back to 14");
    QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
    ExpectFound(frame, {"149", "11 of 11"}, "Shift+F3 wraps around");
    QTest::keyClick(text, Qt::Key_X);
    ExpectFound(frame, {"149", "No match"}, "typed 14x");

    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(tree.hasFocus());
    EXPECT_EQ(tree.currentItem(), ItemOf(m_doc, "Input 3"));
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::CZRTForm);

    // Opened again, the text is selected for a new search from the top; F3 goes
    // on from the input selected now.
    ClickItem(tree, ItemOf(m_doc, "exp 2, inp 20"));  // 144
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(text->selectedText(), "14x");
    QTest::keyClicks(text, "14");
    ExpectFound(frame, {"114", "1 of 11"}, "typed after a click in the tree");
    ClickItem(tree, ItemOf(m_doc, "exp 2, inp 20"));
    text->setFocus();
    QTest::keyClick(text, Qt::Key_F3);
    ExpectFound(frame, {"145", "7 of 11"}, "F3 after a click in the tree");
}
