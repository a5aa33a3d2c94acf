#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/CMainFrame.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/TempDir.h"
#include "tree/widgets/CLeftTreeView.h"
#include "window/QtProfile.h"
#include "window/QtPrompter.h"

// A main window on a document of its own, with a profile in a fresh folder
// and every dialog answered by the test.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_profile = std::make_unique<QtProfile>(QString::fromStdString(PathOf("profile.ini")));
    }
    void TearDown() override { m_frames.clear(); }

    std::string PathOf(const std::string& name) const { return m_dir.PathOf(name); }

    CMainFrame& NewFrame() {
        m_frames.push_back(std::make_unique<CMainFrame>(m_doc, *m_profile));
        CMainFrame& frame = *m_frames.back();
        frame.Prompter().SetScripted(true);
        frame.resize(1000, 700);
        frame.show();
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        return frame;
    }

    // A configuration file of `ports` ports and `ciuCount` camera interface
    // units, its inputs numbered from firstNumber + 1.
    std::string WriteConfig(const std::string& name, int ports, int ciuCount, int firstNumber) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, ports, ciuCount, firstNumber);
        std::ofstream(PathOf(name), std::ios::binary) << EncodeZrt(doc);
        return PathOf(name);
    }

    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    static QTreeWidgetItem* ItemOf(const CZRTProDoc& doc, const std::string& label) {
        const int index = NodeLabelled(doc, label);
        return index < 0 ? nullptr : CLeftTreeView::ToWidgetItem(doc.m_nodes[index].m_hItem);
    }

    // Clicks a tree item the way the user does, opening its parent first.
    static void ClickItem(CLeftTreeView& tree, QTreeWidgetItem* item) {
        if (item->parent()) item->parent()->setExpanded(true);
        tree.scrollToItem(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    }

    TempDir m_dir;
    std::unique_ptr<QtProfile> m_profile;
    CZRTProDoc m_doc;
    std::vector<std::unique_ptr<CMainFrame>> m_frames;
};
