#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "DiffRows.h"
#include "app/AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"

namespace {

struct Shown {
    QString m_strTitle;
    QString m_strCount;
    QString m_strOtherHeading;
    std::vector<QStringList> m_rows;
    QString m_strCopied;
};

// Answers the next differences dialog: notes what it shows, presses Copy
// when there is one, and closes it with Esc.
void ReadDiffDialog(Shown& shown) {
    WhenShown<DiffDialog>([&shown](DiffDialog& dlg) {
        shown.m_strTitle = dlg.windowTitle();
        shown.m_strCount = dlg.findChild<QLabel*>("diffCount")->text();
        shown.m_strOtherHeading = dlg.Table()->horizontalHeaderItem(2)->text();
        shown.m_rows = DiffRows(dlg);
        if (auto* copy = dlg.findChild<QPushButton*>("diffCopy")) {
            copy->click();
            shown.m_strCopied = QApplication::clipboard()->text();
        }
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
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

    Shown shown;
    ReadDiffDialog(shown);
    frame.Prompter().SetNextFile(QString::fromStdString(other));
    frame.Action(kCmdCompareFile)->trigger();
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
    Shown same;
    ReadDiffDialog(same);
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("site.zrt")));
    frame.Action(kCmdCompareFile)->trigger();
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
    WhenShown<DiffDialog>([](DiffDialog& dlg) {
        ADD_FAILURE() << "differences shown";
        dlg.reject();
    });
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("broken.zrt")));
    frame.Action(kCmdCompareFile)->trigger();
    EXPECT_EQ(frame.Prompter().ShownTexts().size(), 1u);
    EXPECT_EQ(ModalAnswers::Waiting(), 1u);
    EXPECT_EQ(m_doc.GetTitle(), "site.zrt");
    EXPECT_FALSE(m_doc.IsModified());
}
