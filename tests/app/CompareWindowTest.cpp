#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <functional>

#include "DiffRows.h"
#include "app/AppFixture.h"
#include "document/RecoveryFile.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"

namespace {

struct Shown {
    QString m_strTitle;
    QString m_strCount;
    QString m_strOtherHeading;
    std::vector<QStringList> m_rows;
    QString m_strCopied;
};

// The differences dialog open beside the window, if there is one.
DiffDialog* OpenDiffDialog(CMainFrame& frame) {
    for (DiffDialog* dlg : frame.findChildren<DiffDialog*>())
        if (dlg->isVisible()) return dlg;
    return nullptr;
}

// Reads the differences dialog open beside the window: notes what it shows,
// presses Copy when there is one, and closes it with Esc.
Shown ReadDiffDialog(CMainFrame& frame) {
    Shown shown;
    DiffDialog* dlg = OpenDiffDialog(frame);
    if (!dlg) {
        ADD_FAILURE() << "no differences shown";
        return shown;
    }
    shown.m_strTitle = dlg->windowTitle();
    shown.m_strCount = dlg->findChild<QLabel*>("diffCount")->text();
    shown.m_strOtherHeading = dlg->Table()->horizontalHeaderItem(2)->text();
    shown.m_rows = DiffRows(*dlg);
    if (auto* copy = dlg->findChild<QPushButton*>("diffCopy")) {
        copy->click();
        shown.m_strCopied = QApplication::clipboard()->text();
    }
    QTest::keyClick(dlg, Qt::Key_Escape);
    EXPECT_FALSE(OpenDiffDialog(frame));
    return shown;
}

// Double-clicks the row of the open differences dialog that names `item`.
void DoubleClickRow(CMainFrame& frame, const QString& item) {
    DiffDialog* dlg = OpenDiffDialog(frame);
    ASSERT_TRUE(dlg);
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    QTableWidget* table = dlg->Table();
    const QList<QTableWidgetItem*> found = table->findItems(item, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << item.toStdString();
    table->scrollToItem(found[0]);
    const QPoint at = table->visualItemRect(found[0]).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

// The row of the differences that names `item`.
QStringList RowOf(const DiffDialog& dlg, const QString& item) {
    for (const QStringList& row : DiffRows(dlg))
        if (row.value(0) == item) return row;
    return {};
}

}  // namespace

// The open configuration beside a file: both as they were, the differences
// in a table that copies as tab-separated text.
TEST_F(AppTest, CompareWithFileShowsTheDifferencesAndChangesNothing) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
    m_doc.m_nodes[NodeLabelled(m_doc, "Input 2")].m_strName = "Lobby";
    m_doc.SetModifiedFlag();
    const std::string other = WriteConfig("other.zrt", 4, 0, 10);
    const std::string otherBytes = Slurp(other);

    frame.Prompter().SetNextFile(QString::fromStdString(other));
    frame.Action(kCmdCompareFile)->trigger();
    const Shown shown = ReadDiffDialog(frame);
    EXPECT_EQ(shown.m_strTitle, "Compare with File");
    EXPECT_EQ(shown.m_strCount, "1 difference.");
    EXPECT_EQ(shown.m_strOtherHeading, "other.zrt");
    EXPECT_EQ(shown.m_rows, (std::vector<QStringList>{{"Input 2 name", "Lobby", ""}}));
    EXPECT_EQ(shown.m_strCopied,
              "Item\tThis configuration\tother.zrt\n"
              "Input 2 name\tLobby\t\n");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetTitle(), "site.zrt");
    EXPECT_EQ(Slurp(other), otherBytes);

    // The file as it is saved now: nothing to show, nothing to copy.
    frame.Action(kCmdFileSave)->trigger();
    ASSERT_FALSE(m_doc.IsModified()) << frame.Prompter().ShownTexts().size();
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("site.zrt")));
    frame.Action(kCmdCompareFile)->trigger();
    const Shown same = ReadDiffDialog(frame);
    EXPECT_EQ(same.m_strCount, "No differences.");
    EXPECT_TRUE(same.m_rows.empty());
    EXPECT_TRUE(same.m_strCopied.isEmpty());
}

TEST_F(AppTest, CompareWithAFileThatDoesNotOpenSaysWhy) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
    const std::string before = Slurp(PathOf("site.zrt"));
    std::ofstream(PathOf("broken.zrt"), std::ios::binary) << "not a configuration";
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("broken.zrt")));
    frame.Action(kCmdCompareFile)->trigger();
    EXPECT_EQ(frame.Prompter().ShownTexts().size(), 1u);
    EXPECT_FALSE(OpenDiffDialog(frame));
    EXPECT_EQ(m_doc.GetTitle(), "site.zrt");
    EXPECT_FALSE(m_doc.IsModified());
}

// The differences stay open while the user works in the window: a row leads
// to the page of what it names, an edit there goes on, and a row of what the
// open configuration shows on no page leaves the tree where it was.
TEST_F(AppTest, CompareLeavesTheWindowFreeAndARowShowsItsPage) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 8, 1, 10))));
    m_doc.m_nodes[NodeLabelled(m_doc, "exp 1, inp 20")].m_strName = "Lobby";
    m_doc.m_nIdleDelay += 3;
    m_doc.m_zones.push_back({"90", "Spare", 9});
    frame.Prompter().SetNextFile(QString::fromStdString(WriteConfig("other.zrt", 8, 1, 10)));
    frame.Action(kCmdCompareFile)->trigger();
    DiffDialog* dlg = OpenDiffDialog(frame);
    ASSERT_TRUE(dlg);
    EXPECT_FALSE(dlg->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    DoubleClickRow(frame, "exp 1, inp 20 name");
    EXPECT_EQ(frame.Tree().currentItem(), ItemOf(m_doc, "exp 1, inp 20"));
    EXPECT_TRUE(ItemOf(m_doc, "exp 1, inp 20")->parent()->isExpanded());
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::CZRTForm);

    DoubleClickRow(frame, "Idle loop delay");
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::CIdleLoopForm);

    // The window goes on taking commands with the dialog open.
    frame.Action(kCmdEditFind)->trigger();
    EXPECT_EQ(OpenDiffDialog(frame), dlg);

    DoubleClickRow(frame, "Unassigned 90");
    EXPECT_EQ(frame.CurrentPageKind(), PageKind::CIdleLoopForm);
    dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    EXPECT_FALSE(OpenDiffDialog(frame));
}

// The differences open beside the window, not over the tree and page they
// are used with, and come back where the user left them. Once the
// configuration they compared is replaced they say so, their rows act on
// nothing, and Compare Again compares the configuration open now.
TEST_F(AppTest, DifferencesSayWhenTheConfigurationTheyComparedIsReplaced) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Replacement {
        const char* what;
        std::function<void(CMainFrame&)> act;
    };
    const Replacement replacements[] = {
        {"another file opened",
         [this](CMainFrame& frame) {
             ASSERT_TRUE(frame.Documents().OpenFile(
                 QString::fromStdString(WriteConfig("next.zrt", 4, 0, 40))));
         }},
        {"unsaved work recovered",
         [this](CMainFrame& frame) {
             CZRTProDoc next;
             MemoryTree tree;
             BuildNumbered(next, tree, 4, 0, 40);
             DocumentContext ctx = frame.DocContext();
             ASSERT_TRUE(RecoverWork(ctx, {"", "untitled", 0, EncodeZrt(next)}));
         }},
    };
    for (const Replacement& r : replacements) {
        SCOPED_TRACE(r.what);
        m_frames.clear();
        m_profile->SetInt("userdata", "DifferencesWindowWidth", 0);  // nothing kept
        CMainFrame& frame = NewFrame();
        frame.resize(screen.width() / 2, screen.height() / 2);
        frame.move(screen.topLeft());
        ASSERT_TRUE(
            frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
        // The file itself: "No differences." in a small dialog, which finds
        // room beside the window even on the small screen of the tests.
        frame.Prompter().SetNextFile(QString::fromStdString(PathOf("site.zrt")));
        frame.Action(kCmdCompareFile)->trigger();
        DiffDialog* dlg = OpenDiffDialog(frame);
        ASSERT_TRUE(dlg);
        EXPECT_GE(dlg->x(), frame.frameGeometry().right()) << "beside, not over the window";
        EXPECT_FALSE(dlg->frameGeometry().intersects(frame.frameGeometry()));

        // Moved by the user, closed and opened again: where it was left.
        const QPoint left = screen.topLeft() + QPoint(40, screen.height() / 2 + 10);
        dlg->move(left);
        dlg->close();
        frame.Prompter().SetNextFile(QString::fromStdString(WriteConfig("other.zrt", 4, 0, 20)));
        frame.Action(kCmdCompareFile)->trigger();
        dlg = OpenDiffDialog(frame);
        ASSERT_TRUE(dlg);
        EXPECT_EQ(dlg->pos(), left);
        EXPECT_EQ(RowOf(*dlg, "Input 1 Arch Number"),
                  (QStringList{"Input 1 Arch Number", "11", "21"}));
        EXPECT_FALSE(dlg->findChild<QLabel*>("diffOutOfDate"));

        r.act(frame);
        frame.UpdateCommands();
        ASSERT_EQ(OpenDiffDialog(frame), dlg);
        auto* note = dlg->findChild<QLabel*>("diffOutOfDate");
        ASSERT_TRUE(note);
        EXPECT_TRUE(note->isVisible());
        EXPECT_TRUE(note->text().startsWith("These differences are out of date"));
        // A row names an input the configuration now open has too: nothing happens.
        const TreeItem selected = frame.Tree().SelectedItem();
        emit dlg->ItemActivated("Input 2 Arch Number");
        EXPECT_EQ(frame.Tree().SelectedItem(), selected);
        EXPECT_FALSE(dlg->Table()->isEnabled());

        auto* again = dlg->findChild<QPushButton*>("diffCompareAgain");
        ASSERT_TRUE(again);
        again->click();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            DiffDialog* shown = OpenDiffDialog(frame);
            return shown && shown != dlg;
        }));
        DiffDialog* fresh = OpenDiffDialog(frame);
        EXPECT_EQ(fresh->pos(), left);
        EXPECT_FALSE(fresh->findChild<QLabel*>("diffOutOfDate"));
        EXPECT_EQ(RowOf(*fresh, "Input 1 Arch Number"),
                  (QStringList{"Input 1 Arch Number", "41", "21"}));
        emit fresh->ItemActivated("Input 2 Arch Number");
        EXPECT_EQ(frame.Tree().SelectedItem(),
                  m_doc.m_nodes[static_cast<size_t>(NodeLabelled(m_doc, "Input 2"))].m_hItem);
        fresh->close();
    }
}
