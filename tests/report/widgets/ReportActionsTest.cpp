#include <gtest/gtest.h>

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QWidget>
#include <filesystem>

#include "model/CommandIds.h"
#include "report/widgets/ReportActions.h"
#include "report/widgets/ReportPrinter.h"
#include "support/Configs.h"
#include "support/ModalAnswers.h"
#include "support/PdfText.h"
#include "support/TempDir.h"

namespace {

class ReportActionsTest : public ::testing::Test {
protected:
    // An 8-port system with two camera interface units: two A4 pages.
    void BuildEightPorts() {
        BuildNumbered(m_doc, m_tree, 8, 2, 100);
        m_doc.SetPathName(m_dir.PathOf("plant.zrt"));
        m_doc.m_nodes[58].m_strName = "Gate           ";
    }

    TempDir m_dir;
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    QWidget m_window;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(ReportActionsTest, CommandsAreEnabledWhenConfiguredAndNotBusy) {
    ReportActions commands(&m_window, m_doc, m_prompter);
    const QList<QAction*> actions = {commands.PrintAction(), commands.PreviewAction(),
                                     commands.ExportAction()};
    for (QAction* a : actions) EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();

    BuildEightPorts();
    commands.UpdateEnabled(false);
    for (QAction* a : actions) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    commands.UpdateEnabled(true);
    for (QAction* a : actions) EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(ReportActionsTest, MenuTextsShortcutAndPrompts) {
    ReportActions commands(&m_window, m_doc, m_prompter);
    const QList<QAction*> items = {commands.PrintAction(), commands.PreviewAction(),
                                   commands.ExportAction()};
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Print"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(items[0]->data().toInt(), kCmdPrint);
    EXPECT_EQ(items[0]->statusTip(), QStringLiteral("Print configuration information."));
    EXPECT_EQ(items[0]->toolTip(), QStringLiteral("Print!"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Print Pre&view..."));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Export Report as P&DF..."));
}

TEST_F(ReportActionsTest, PrinterPrintsOnlyTheChosenPages) {
    BuildEightPorts();
    struct Case {
        int from, to;
        std::vector<std::string> footers;
    };
    const Case cases[] = {{0, 0, {"Page 1", "Page 2"}}, {2, 2, {"Page 2"}}, {1, 1, {"Page 1"}}};
    for (const Case& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(m_dir.PathOf("printed.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);  // the report turns it back
        if (c.from) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(c.from, c.to);
        }
        ASSERT_EQ(ReportPrinter::PrintOn(printer, m_doc, m_prompter), ReportResult::Printed);

        const auto pages = PdfPages(m_dir.PathOf("printed.pdf"));
        ASSERT_EQ(pages.size(), c.footers.size()) << c.from;
        for (size_t p = 0; p < pages.size(); ++p) {
            EXPECT_TRUE(Contains(pages[p], c.footers[p])) << pages[p];
            EXPECT_TRUE(Contains(pages[p], "NEXIL Program Data For: " + m_dir.PathOf("plant.zrt")));
        }
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_EQ(printer.docName(), QStringLiteral("Bitmap Printing Test"));
    }
}

TEST_F(ReportActionsTest, ExportWritesTheChosenPdf) {
    BuildEightPorts();
    m_doc.SetModifiedFlag(true);
    ReportActions commands(&m_window, m_doc, m_prompter);
    m_prompter.m_files = {m_dir.PathOf("export.pdf")};
    commands.ExportAction()->trigger();

    EXPECT_EQ(m_prompter.m_fileChoices, std::vector<FileChoice>{FileChoice::SaveReportPdf});
    EXPECT_TRUE(m_prompter.m_shown.empty());
    const auto pages = PdfPages(m_dir.PathOf("export.pdf"));
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(Contains(pages[0], "NEXIL Program Data For: " + m_dir.PathOf("plant.zrt") + "*"));
    EXPECT_TRUE(Contains(pages.back(), "Input 8, Direct:"));
    EXPECT_TRUE(Contains(pages.back(), "Gate"));
}

TEST_F(ReportActionsTest, ExportCancelledOrFailing) {
    BuildEightPorts();
    ReportActions commands(&m_window, m_doc, m_prompter);
    commands.ExportAction()->trigger();  // the file dialog is cancelled
    EXPECT_TRUE(m_prompter.m_shown.empty());

    const std::string bad = m_dir.PathOf("no-such-folder/export.pdf");
    m_prompter.m_files = {bad};
    commands.ExportAction()->trigger();
    ASSERT_EQ(m_prompter.m_shown.size(), 1u);
    EXPECT_TRUE(Contains(m_prompter.m_shown[0].m_strText, "Cannot write the report to " + bad));
    EXPECT_EQ(m_prompter.m_shown[0].m_icon, PromptIcon::Error);
    EXPECT_FALSE(std::filesystem::exists(bad));
}

TEST_F(ReportActionsTest, ProposedPdfNameFollowsTheDocument) {
    BuildEightPorts();
    EXPECT_EQ(ReportPrinter::ProposedPdfPath(m_doc), m_dir.PathOf("plant.pdf"));
    m_doc.SetUntitled("untitled");
    EXPECT_EQ(ReportPrinter::ProposedPdfPath(m_doc), "untitled.pdf");
}

TEST_F(ReportActionsTest, PreviewShowsEveryPage) {
    BuildEightPorts();
    ReportActions commands(&m_window, m_doc, m_prompter);
    int previewPages = -1;
    WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog& dialog) {
        if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) previewPages = view->pageCount();
        dialog.reject();
    });
    commands.PreviewAction()->trigger();
    EXPECT_EQ(previewPages, 2);
}
