#pragma once

#include <QListWidget>
#include <QTreeWidget>
#include <functional>

#include "app/AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "tree/ArchRules.h"

// A main window on a site of four direct inputs: 21 Hall, 22 Gym and 23 Yard
// from the paging system, and Input 4 with a generated non-pageable number;
// the zones 30 and 100 are spare.
class PageTest : public AppTest {
protected:
    CMainFrame& OpenSite(const std::function<void(CZRTProDoc&)>& tweak = {}) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFromRecords(
            doc, tree,
            {{0, "21", PadName("Hall")}, {1, "22", PadName("Gym")}, {2, "23", PadName("Yard")}}, 4,
            0);
        doc.m_zones = {{"30", PadName("Spare"), 4}, {"100", PadName("Roof"), 5}};
        if (tweak) tweak(doc);
        std::ofstream(PathOf("site.zrt"), std::ios::binary) << EncodeZrt(doc);
        CMainFrame& frame = NewFrame();
        EXPECT_TRUE(frame.Documents().OpenFile(QString::fromStdString(PathOf("site.zrt"))));
        m_doc.SetModifiedFlag(false);
        return frame;
    }

    // Selects the node labelled `label` in the tree and returns its page.
    template <class Page>
    Page* Show(CMainFrame& frame, const std::string& label) {
        QTreeWidgetItem* item = ItemOf(m_doc, label);
        if (!item) return nullptr;
        ClickItem(frame.Tree(), item);
        return dynamic_cast<Page*>(frame.CurrentPage());
    }

    CConfigNode& Node(const std::string& label) {
        return m_doc.m_nodes[static_cast<size_t>(NodeLabelled(m_doc, label))];
    }

    static void ClickLine(QListWidget* list, int row, bool twice = false) {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    static QStringList Lines(const QListWidget* list) {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
};
