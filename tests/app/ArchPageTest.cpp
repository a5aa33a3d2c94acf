#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/PageFixture.h"
#include "model/CommandIds.h"
#include "pages/widgets/ArchEntryDlg.h"
#include "pages/widgets/CZRTForm.h"
#include "support/ModalAnswers.h"

namespace {

QStringList RowNumbers(const QTreeWidget* list) {
    QStringList numbers;
    for (int i = 0; i < list->topLevelItemCount(); ++i) numbers << list->topLevelItem(i)->text(0);
    return numbers;
}

void ClickRow(QTreeWidget* list, const QString& arch) {
    const QList<QTreeWidgetItem*> found = list->findItems(arch, Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << arch.toStdString();
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
}

void ClickHeader(QTreeWidget* list, int column) {
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
}

void Type(ArchEntryDlg& dialog, const char* field, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void Press(ArchEntryDlg& dialog, const QString& button) {
    for (QPushButton* b : dialog.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
        if (b->text() == button) QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

TEST_F(PageTest, ClickingAPoolRowMovesItsNumberAndResetGivesItBack) {
    CMainFrame& frame = OpenSite();
    CZRTForm* page = Show<CZRTForm>(frame, "Input 1");
    ASSERT_NE(page, nullptr);
    auto* current = page->findChild<QLineEdit*>("currentArch");
    auto* reset = page->findChild<QPushButton*>("resetToOriginal");
    const std::string generated = Node("Input 4").m_strArch;
    EXPECT_EQ(current->text(), "21");
    EXPECT_FALSE(reset->isEnabled());
    QStringList expected = {"100", "21", "22", "23", "30", QString::fromStdString(generated)};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(RowNumbers(page->ArchList()), expected);

    ClickRow(page->ArchList(), "30");
    const CConfigNode& input = Node("Input 1");
    EXPECT_EQ(input.m_strArch, "30");
    EXPECT_EQ(input.m_strName, PadName("Spare"));
    EXPECT_EQ(input.m_nZoneId, 4);
    EXPECT_TRUE(m_doc.IsModified());
    ASSERT_EQ(m_doc.m_zones.size(), 2u);
    EXPECT_EQ(m_doc.m_zones[1].m_strArch, "21");
    EXPECT_EQ(m_doc.m_zones[1].m_nZoneId, 0);
    EXPECT_EQ(frame.Tree().ItemText(input.m_hItem), "Input 1, 30  " + PadName("Spare"));
    EXPECT_EQ(current->text(), "30");
    EXPECT_TRUE(reset->isEnabled());
    EXPECT_EQ(RowNumbers(page->ArchList()), expected) << "21 is listed from the pool now";

    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(input.m_strArch, "21");
    EXPECT_EQ(input.m_strName, PadName("Hall"));
    EXPECT_EQ(current->text(), "21");
    EXPECT_FALSE(reset->isEnabled());
    ASSERT_EQ(m_doc.m_zones.size(), 2u);
    EXPECT_EQ(m_doc.m_zones[1].m_strArch, "30");

    // A click beside the rows assigns nothing but says how to select; neither
    // it nor a click or Enter on the number the input has marks the work unsaved.
    frame.Action(kCmdFileSave)->trigger();
    ASSERT_FALSE(m_doc.IsModified());
    const size_t steps = frame.State().m_history.StepCount();
    QTest::mouseClick(page->ArchList()->viewport(), Qt::LeftButton, {},
                      QPoint(4, page->ArchList()->viewport()->height() - 4));
    EXPECT_EQ(input.m_strArch, "21");
    EXPECT_EQ(frame.StatusText(), "Selection not made, click on the item text to select.");
    ClickRow(page->ArchList(), "21");
    QTest::keyClick(page->ArchList(), Qt::Key_Return);
    EXPECT_EQ(input.m_strArch, "21");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(frame.State().m_history.StepCount(), steps);
    frame.UpdateCommands();
    EXPECT_FALSE(frame.isWindowModified());

    // The number is shown, not edited: read-only, in the window's colour.
    EXPECT_TRUE(current->isReadOnly());
    EXPECT_EQ(current->palette().color(QPalette::Base), current->palette().color(QPalette::Window));
}

TEST_F(PageTest, TakingAnotherInputsNumberIsReportedAsAConflict) {
    CMainFrame& frame = OpenSite();
    CZRTForm* page = Show<CZRTForm>(frame, "Input 1");
    ASSERT_NE(page, nullptr);
    auto* exist = page->findChild<QLabel*>("conflictsExist");
    auto* report = page->findChild<QPlainTextEdit*>("conflictReport");
    auto* currentOnly = page->findChild<QCheckBox*>("currentItemOnly");
    EXPECT_TRUE(currentOnly->isChecked());
    EXPECT_FALSE(exist->isVisible());
    EXPECT_TRUE(report->toPlainText().isEmpty());

    ClickRow(page->ArchList(), "22");
    EXPECT_EQ(Node("Input 1").m_strArch, "22");
    EXPECT_EQ(page->ArchList()->findItems("22", Qt::MatchExactly, 0).size(), 1);
    EXPECT_TRUE(exist->isVisible());
    EXPECT_EQ(report->toPlainText(), "\nInput 1, 22  Gym\n conflicts:\n   Input 2, 22  " +
                                         QString::fromStdString(PadName("Gym")) + " \n");
    EXPECT_EQ(frame.Tree().ItemState(Node("Input 1").m_hItem), kStateConflict);
    EXPECT_EQ(frame.Tree().ItemState(Node("Input 2").m_hItem), kStateConflict);

    // The box is remembered, and without it Input 3's page still reports the pair.
    QTest::mouseClick(currentOnly, Qt::LeftButton);
    EXPECT_EQ(m_profile->GetInt("userdata", "bZRTformCheckStatus", -1), 0);
    page = Show<CZRTForm>(frame, "Input 3");
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->findChild<QCheckBox*>("currentItemOnly")->isChecked());
    EXPECT_TRUE(page->findChild<QPlainTextEdit*>("conflictReport")
                    ->toPlainText()
                    .startsWith("\nInput 1, 22  Gym\n conflicts:\n"));

    // Every header click inverts the one direction both columns share.
    ClickHeader(page->ArchList(), 0);
    EXPECT_FALSE(m_doc.m_bSortAscending);
    QStringList numbers = RowNumbers(page->ArchList());
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end(), std::greater<>()));
    ClickHeader(page->ArchList(), 1);
    EXPECT_TRUE(m_doc.m_bSortAscending);
    EXPECT_EQ(m_doc.m_nSortColumn, 1);
    QStringList keys;
    for (int i = 0; i < page->ArchList()->topLevelItemCount(); ++i)
        keys << page->ArchList()->topLevelItem(i)->text(1) +
                    page->ArchList()->topLevelItem(i)->text(0);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(keys.size(), 6) << "the two inputs on 22 share one name and one row";
}

TEST_F(PageTest, EditingANonPageableNumberChecksItAndRenamesIdleEntries) {
    std::string generated;
    CMainFrame& frame = OpenSite([&](CZRTProDoc& doc) {
        generated = doc.m_nodes[static_cast<size_t>(NodeLabelled(doc, "Input 4"))].m_strArch;
        doc.m_idleLoop = {"21", generated, generated};
    });
    ASSERT_TRUE(Node("Input 4").IsNonPageable());
    CZRTForm* page = Show<CZRTForm>(frame, "Input 4");
    ASSERT_NE(page, nullptr);

    WhenShown<ArchEntryDlg>([](ArchEntryDlg& d) {
        EXPECT_FALSE(d.findChild<QLineEdit*>("newArch")->isReadOnly());
        Type(d, "newArch", "5A");
        Press(d, "OK");
    });
    WhenShown<ArchEntryDlg>([](ArchEntryDlg& d) {
        EXPECT_EQ(d.Arch(), "5A") << "the dialog comes back with what was typed";
        Type(d, "newArch", "22");
        Press(d, "OK");
    });
    WhenShown<ArchEntryDlg>([](ArchEntryDlg& d) {
        Type(d, "newArch", "");
        Press(d, "OK");  // an empty number keeps the dialog open
        EXPECT_TRUE(d.isVisible());
        Type(d, "newArch", "4001");
        Type(d, "newName", "Gate");
        Press(d, "OK");
    });
    frame.Prompter().ClearShown();
    QTest::mouseClick(page->findChild<QPushButton*>("editArch"), Qt::LeftButton);
    EXPECT_EQ(ModalAnswers::Waiting(), 0u);
    EXPECT_EQ(frame.Prompter().ShownTexts(),
              (std::vector<std::string>{
                  "The arch number must contain integer digits, or the \"#\" key or the \"*\" key  "
                  "only.  Please choose a different arch number.",
                  "The arch number 22 is already assigned at Input 2,  Please choose a different "
                  "one."}));

    const CConfigNode& input = Node("Input 4");
    EXPECT_EQ(input.m_strArch, "4001");
    EXPECT_EQ(input.m_strOrigArch, "4001");
    EXPECT_EQ(input.m_strName, PadName("Gate"));
    EXPECT_TRUE(input.IsNonPageable());
    EXPECT_EQ(m_doc.m_idleLoop, (std::vector<std::string>{"21", "4001", "4001"}));
    // The page was made again for the input, with the new values.
    auto* shown = dynamic_cast<CZRTForm*>(frame.CurrentPage());
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(shown, page);
    EXPECT_EQ(shown->findChild<QLineEdit*>("currentArch")->text(), "4001");
    EXPECT_FALSE(shown->findChild<QPushButton*>("resetToOriginal")->isEnabled());
}

TEST_F(PageTest, EditingAPageableInputOffersOnlyTheName) {
    CMainFrame& frame = OpenSite();
    CZRTForm* page = Show<CZRTForm>(frame, "Input 2");
    ASSERT_NE(page, nullptr);
    WhenShown<ArchEntryDlg>([](ArchEntryDlg& d) {
        EXPECT_TRUE(d.findChild<QLineEdit*>("newArch")->isReadOnly());
        EXPECT_EQ(d.Name(), "Gym") << "offered without its trailing blanks";
        Type(d, "newName", "Sports Hall");
        Press(d, "OK");
    });
    QTest::mouseClick(page->findChild<QPushButton*>("editArch"), Qt::LeftButton);
    EXPECT_EQ(ModalAnswers::Waiting(), 0u);
    EXPECT_EQ(Node("Input 2").m_strArch, "22");
    EXPECT_EQ(Node("Input 2").m_strName, PadName("Sports Hall"));
    EXPECT_EQ(Node("Input 2").m_strOrigName, PadName("Sports Hall"));
    EXPECT_EQ(frame.Tree().ItemText(Node("Input 2").m_hItem),
              "Input 2, 22  " + PadName("Sports Hall"));
}

// A station number longer than four characters and a name longer than fifteen
// are shown whole; OK with nothing changed leaves the configuration, its mark
// and the undo history alone.
TEST_F(PageTest, EditDialogShowsStoredValuesWholeAndOkWithoutChangeChangesNothing) {
    const std::string longName = "Main Entrance Hall";
    CMainFrame& frame = OpenSite([&](CZRTProDoc& doc) {
        CConfigNode& input = doc.m_nodes[static_cast<size_t>(NodeLabelled(doc, "Input 2"))];
        input.m_strArch = input.m_strOrigArch = "10234";
        input.m_strName = input.m_strOrigName = longName;
    });
    CZRTForm* page = Show<CZRTForm>(frame, "Input 2");
    ASSERT_NE(page, nullptr);
    WhenShown<ArchEntryDlg>([&](ArchEntryDlg& d) {
        auto* arch = d.findChild<QLineEdit*>("newArch");
        EXPECT_EQ(d.Arch(), "10234");
        EXPECT_EQ(d.Name().toStdString(), longName);
        EXPECT_EQ(d.focusWidget(), d.findChild<QLineEdit*>("newName"));
        EXPECT_EQ(arch->palette().color(QPalette::Base), d.palette().color(QPalette::Window))
            << "the number that cannot be typed looks so";
        Press(d, "OK");
    });
    QTest::mouseClick(page->findChild<QPushButton*>("editArch"), Qt::LeftButton);
    EXPECT_EQ(ModalAnswers::Waiting(), 0u);
    EXPECT_EQ(Node("Input 2").m_strArch, "10234");
    EXPECT_EQ(Node("Input 2").m_strOrigArch, "10234");
    EXPECT_EQ(Node("Input 2").m_strName, longName);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(frame.State().m_history.CanUndo());
    EXPECT_TRUE(frame.Prompter().ShownTexts().empty());
}
