#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "DiffRows.h"
#include "app/AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"

namespace {

// A four-port site whose Input 1-4 carry 11-14, open in the window.
class InputsCsvWindowTest : public AppTest {
protected:
    CMainFrame& OpenSite() {
        CMainFrame& frame = NewFrame();
        EXPECT_TRUE(
            frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
        return frame;
    }

    std::string WriteCsv(const std::string& text) {
        std::ofstream(PathOf("inputs.csv"), std::ios::binary) << text;
        return PathOf("inputs.csv");
    }

    void Import(CMainFrame& frame, const std::string& csv) {
        frame.Prompter().SetNextFile(QString::fromStdString(csv));
        frame.Action(kCmdImportCsv)->trigger();
    }

    const CConfigNode& Node(const char* label) const {
        return m_doc.m_nodes[static_cast<size_t>(NodeLabelled(m_doc, label))];
    }
};

}  // namespace

TEST_F(InputsCsvWindowTest, ExportWritesTheInputListToTheFileChosen) {
    CMainFrame& frame = OpenSite();
    const std::string csv = PathOf("inputs.csv");
    frame.Prompter().SetNextFile(QString::fromStdString(csv));
    frame.Action(kCmdExportCsv)->trigger();
    EXPECT_EQ(Slurp(csv),
              "port,unit,input,arch,original_arch,name,pageable\r\n"
              "1,,,11,11,,yes\r\n"
              "2,,,12,12,,yes\r\n"
              "3,,,13,13,,yes\r\n"
              "4,,,14,14,,yes\r\n");
    EXPECT_EQ(frame.StatusText(), "Input list saved to inputs.csv");
    EXPECT_FALSE(m_doc.IsModified());
}

// The changes are shown first, with the number two inputs would share
// counted and marked: Cancel keeps the configuration, OK applies them as one
// step, the shared number is marked as a conflict, Undo takes the whole
// import back.
TEST_F(InputsCsvWindowTest, ImportShowsTheChangesAndAppliesThemOnOk) {
    CMainFrame& frame = OpenSite();
    const std::string before = EncodeZrt(m_doc);
    const std::string csv = WriteCsv("port;unit;input;arch;name\r\n2;;;11;-Hall\r\n");
    const std::vector<QStringList> changes = {
        {"Input 2 Arch Number", "12", "11"},
        {"Input 2 name", "", "-Hall"},
        {"Unassigned 12", "", "unassigned"},
    };

    std::vector<QStringList> rows;
    QString count, copied;
    std::vector<bool> marked;
    WhenShown<DiffDialog>([&](DiffDialog& dlg) {
        rows = DiffRows(dlg);
        count = dlg.findChild<QLabel*>("diffCount")->text();
        for (int r = 0; r < dlg.Table()->rowCount(); ++r)
            marked.push_back(!dlg.Table()->item(r, 2)->icon().isNull());
        dlg.Table()->selectRow(1);
        QTest::keySequence(dlg.Table(), QKeySequence::Copy);
        copied = QApplication::clipboard()->text();
        dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    Import(frame, csv);
    EXPECT_EQ(rows, changes);
    EXPECT_EQ(count, "3 differences.\n2 inputs would share 11");
    EXPECT_EQ(marked, (std::vector<bool>{true, false, false}));
    // A cell a spreadsheet would run as a formula is copied as text.
    EXPECT_EQ(copied, "Item\tThis configuration\tAfter the import\nInput 2 name\t\t'-Hall\n");
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_FALSE(m_doc.IsModified());

    WhenShown<DiffDialog>([](DiffDialog& dlg) {
        dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Import(frame, csv);
    EXPECT_EQ(Node("Input 2").m_strArch, "11");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(frame.Tree().ItemState(Node("Input 2").m_hItem), kStateConflict);
    EXPECT_EQ(frame.Tree().ItemState(Node("Input 1").m_hItem), kStateConflict);
    EXPECT_EQ(frame.StatusText(),
              "Inputs imported from inputs.csv. Inputs marked in the tree share an Arch Number.");
    EXPECT_EQ(frame.Action(kCmdEditUndo)->text(), "&Undo Import Inputs from CSV");

    frame.Action(kCmdEditUndo)->trigger();
    EXPECT_EQ(EncodeZrt(m_doc), before);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_NE(frame.Tree().ItemState(Node("Input 2").m_hItem), kStateConflict);
}

TEST_F(InputsCsvWindowTest, ARefusedFileIsNamedAndChangesNothing) {
    CMainFrame& frame = OpenSite();
    const std::string before = EncodeZrt(m_doc);
    WhenShown<DiffDialog>([](DiffDialog& dlg) {
        ADD_FAILURE() << "changes shown";
        dlg.reject();
    });
    const std::string csv = WriteCsv("port,unit,input,arch\n2,,,1x\n3,,,\n");
    Import(frame, csv);
    // Every refused cell in one message.
    ASSERT_EQ(frame.Prompter().ShownTexts().size(), 1u);
    const std::string shown = frame.Prompter().ShownTexts()[0];
    EXPECT_EQ(
        shown.rfind(csv + ": the file is refused, nothing was changed:\nline 2, column arch: ", 0),
        0u)
        << shown;
    EXPECT_NE(shown.find("\nline 3, column arch: an Arch Number is needed"), std::string::npos)
        << shown;
    EXPECT_EQ(ModalAnswers::Waiting(), 1u);
    EXPECT_EQ(EncodeZrt(m_doc), before);
}

// Nothing remembered yet: the first import's file dialog opens beside the configuration.
TEST_F(InputsCsvWindowTest, AFirstImportLooksBesideTheConfiguration) {
    CMainFrame& frame = OpenSite();
    frame.Prompter().SetScripted(false);
    QString shownIn;
    WhenShown<QFileDialog>([&shownIn](QFileDialog& dlg) {
        shownIn = dlg.directory().absolutePath();
        dlg.reject();
    });
    frame.Action(kCmdImportCsv)->trigger();
    EXPECT_EQ(shownIn, QFileInfo(QString::fromStdString(PathOf("site.zrt"))).absolutePath());
}
