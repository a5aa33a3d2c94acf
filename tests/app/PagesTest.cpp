#include <QLabel>
#include <QSplitter>

#include "app/AppFixture.h"
#include "app/PageFactory.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "pages/widgets/CInfoForm.h"
#include "pages/widgets/CUnusedArchForm.h"
#include "pages/widgets/KeyStrip.h"
#include "pages/widgets/TitleFont.h"
#include "pages/widgets/testview.h"

namespace {

QStringList LabelTexts(const QWidget& widget) {
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    return texts;
}

}  // namespace

TEST_F(AppTest, EveryPageHasTheTitleAndTheKey) {
    CMainFrame& frame = NewFrame();
    for (PageKind kind :
         {PageKind::testview, PageKind::CSettingsForm, PageKind::CIdleLoopForm, PageKind::CZRTForm,
          PageKind::CInfoForm, PageKind::CUnusedArchForm, PageKind::CStatusForm}) {
        std::unique_ptr<CBaseForm> page(CreatePage(kind, frame.Pages(), nullptr));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->Kind(), kind);
        page->LoadNode(nullptr);
        EXPECT_EQ(page->TitleLabel()->text(), "NEXIL Video Switcher Programming Tool ");
        EXPECT_EQ(page->TitleLabel()->font(), TitleFont());
        EXPECT_TRUE(TitleFont().bold());
        EXPECT_EQ(TitleFont().pointSize(), 12);
        const KeyStrip* key = page->findChild<KeyStrip*>();
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(LabelTexts(*key), (QStringList{"Key:", "Conflict", "Non-pageable",
                                                 "Assigned Pageable", "Unassigned Pageable"}));
    }
    EXPECT_EQ(CreatePage(PageKind::None, frame.Pages(), nullptr), nullptr);
}

TEST_F(AppTest, InformingPagesSayWhatTheyAreFor) {
    CMainFrame& frame = NewFrame();
    CInfoForm info(frame.Pages());
    EXPECT_TRUE(LabelTexts(info).contains(
        "There is no Arch Number here because an M-4500 Video Camera Interface Unit is "
        "configured for this M-4400 Video Input. \n\nOpen this branch by clicking the \"+\", "
        "hitting the --> key or double clicking this tree element."));
    CUnusedArchForm unused(frame.Pages());
    const QStringList texts = LabelTexts(unused);
    EXPECT_TRUE(texts.contains("This is a Non-Pageable Arch Number."));
    EXPECT_TRUE(texts.contains(
        "Click this button to replace this view with the Arch Number selection view."));
    EXPECT_TRUE(texts.contains(
        "Non-Pageable Arch Numbers are used by the KORVA Camera Administration Tool to connect "
        "the M-4400 Video Switcher to cameras in areas without paging system zones."));
}

TEST_F(AppTest, TreeShowsImagesAndConflictMarks) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 4, 1, 10))));
    CLeftTreeView& tree = frame.Tree();
    EXPECT_EQ(tree.ItemImage(m_doc.m_nodes[0].m_hItem), kImageRoot);
    EXPECT_EQ(tree.ItemImage(m_doc.m_nodes[1].m_hItem), kImageSettings);
    EXPECT_EQ(tree.ItemImage(m_doc.m_nodes[2].m_hItem), kImageIdleLoop);
    EXPECT_EQ(tree.ItemImage(m_doc.m_nodes[3].m_hItem), kImageCiuPort);
    EXPECT_EQ(tree.ItemState(m_doc.m_nodes[3].m_hItem), kStateNone);
    const int input = NodeLabelled(m_doc, "Input 4");
    EXPECT_EQ(tree.ItemImage(m_doc.m_nodes[input].m_hItem), kImagePageable);
    EXPECT_EQ(tree.ItemState(m_doc.m_nodes[input].m_hItem), kStateClear);

    m_doc.m_nodes[input].m_strArch = m_doc.m_nodes[4].m_strArch;
    m_doc.m_nodes[input].MakeNonPageable();
    RefreshTreeMarks(m_doc, tree);
    EXPECT_EQ(tree.ItemImage(m_doc.m_nodes[input].m_hItem), kImageNonPageable);
    EXPECT_EQ(tree.ItemState(m_doc.m_nodes[input].m_hItem), kStateConflict);
    EXPECT_EQ(tree.ItemState(m_doc.m_nodes[4].m_hItem), kStateConflict);
    EXPECT_FALSE(CLeftTreeView::ToWidgetItem(m_doc.m_nodes[input].m_hItem)->icon(0).isNull());
}

TEST_F(AppTest, PrompterRemembersTheFolderOfTheChosenFile) {
    CMainFrame& frame = NewFrame();
    std::string path;
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("site.zrt")));
    ASSERT_TRUE(frame.Prompter().ChooseFile(FileChoice::SaveZrt, path));
    EXPECT_EQ(path, PathOf("site.zrt"));
    EXPECT_EQ(m_profile->GetString("Directories", "LastZRTFileDir", ""), m_dir.Folder());
    frame.Prompter().SetNextFile(QString::fromStdString(PathOf("lu/TDX_FILE.DAT")));
    ASSERT_TRUE(frame.Prompter().ChooseFile(FileChoice::OpenLunetta, path));
    EXPECT_EQ(m_profile->GetString("Directories", "LastUnitFileDir", ""), m_dir.PathOf("lu") + "/");
    frame.Prompter().SetNextFile(QString());
    EXPECT_FALSE(frame.Prompter().ChooseFile(FileChoice::OpenZrt, path));

    frame.Prompter().SetStatusText("Writing...   50%");
    EXPECT_EQ(frame.StatusText(), "Writing...   50%");
    frame.Prompter().SetNextAnswer(PromptAnswer::No);
    EXPECT_EQ(frame.Prompter().Message("Save changes to x?", PromptButtons::YesNoCancel,
                                       PromptIcon::Question, "Caption"),
              PromptAnswer::No);
    const auto& shown = frame.Prompter().ShownMessages().back();
    EXPECT_EQ(shown.m_strCaption, "Caption");
    EXPECT_EQ(shown.m_buttons, PromptButtons::YesNoCancel);
}
