#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>

#include "AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"

namespace {

// The working folder for the life of a test.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder) : m_before(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(folder));
    }
    ~WorkingFolder() { QDir::setCurrent(m_before); }

private:
    QString m_before;
};

}  // namespace

// A file whose folder and name hold letters outside ASCII, named at start
// relative to the working folder: the tree's root, the save question and the
// recent files show the name as typed, and the document knows its full path.
TEST_F(AppTest, FileNamesAreShownAsTyped) {
    std::filesystem::create_directory(PathOf("Sch\u00fcle"));
    const std::string path = WriteConfig("Sch\u00fcle/Z\u00fcrich Nord.zrt", 4, 0, 10);
    CMainFrame& frame = NewFrame();
    {
        const WorkingFolder working(m_dir.Path().string());
        ASSERT_TRUE(
            frame.Documents().OpenAtStart(QString::fromUtf8("Sch\u00fcle/Z\u00fcrich Nord.zrt")));
    }
    EXPECT_EQ(m_doc.GetPathName(), path);
    const QTreeWidgetItem* root = CLeftTreeView::ToWidgetItem(m_doc.m_nodes[0].m_hItem);
    EXPECT_EQ(root->text(0), QString::fromUtf8("Z\u00fcrich Nord System"));
    EXPECT_TRUE(frame.Action(kCmdRecentFirst)->text().contains(QString::fromUtf8(path)))
        << frame.Action(kCmdRecentFirst)->text().toStdString();
    // An input's name stays the unit's Latin-1.
    m_doc.m_nodes[3].m_strName = "Caf\xE9";
    SetNodeItemText(m_doc, frame.Tree(), 3);
    EXPECT_TRUE(CLeftTreeView::ToWidgetItem(m_doc.m_nodes[3].m_hItem)
                    ->text(0)
                    .endsWith(QString::fromUtf8("Caf\u00e9")));

    m_doc.SetModifiedFlag(true);
    frame.Prompter().SetScripted(false);
    QString question;
    ModalAnswers::Add<QMessageBox>([&](QMessageBox& box) {
        question = box.text();
        box.button(QMessageBox::Cancel)->click();
    });
    frame.close();
    EXPECT_EQ(question, QString::fromUtf8("Save changes to Z\u00fcrich Nord.zrt?"));
    frame.Prompter().SetScripted(true);
}
