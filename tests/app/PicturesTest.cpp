#include <gtest/gtest.h>

#include <QImage>

#include "app/AppPictures.h"
#include "model/CommandIds.h"
#include "tree/TreeSink.h"
#include "tree/widgets/TreePictures.h"

namespace {

// Pixels of `image` inside `area` that are not fully transparent.
int Inked(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

// Every picture is compiled in and drawn at the screen's scale, not blown up
// from 16 pixels: a picture missing from the resources, or a missing SVG
// plugin, leaves a blank space in the tree, the key or the toolbar.
TEST(Pictures, EachIsDrawnSharpAtDoubleScale) {
    const struct {
        const char* what;
        QIcon icon;
    } pictures[] = {
        {"conflict", KeyIcon(KeyPicture::Conflict)},
        {"non-pageable", KeyIcon(KeyPicture::NonPageable)},
        {"assigned", KeyIcon(KeyPicture::AssignedPageable)},
        {"unassigned", KeyIcon(KeyPicture::UnassignedPageable)},
        {"clear", TreeStateIcon(kStateClear)},
        {"default", TreeImageIcon(kImageDefault)},
        {"root", TreeImageIcon(kImageRoot)},
        {"settings", TreeImageIcon(kImageSettings)},
        {"idle loop", TreeImageIcon(kImageIdleLoop)},
        {"CIU port", TreeImageIcon(kImageCiuPort)},
        {"new", ToolIcon(kCmdFileNew)},
        {"open", ToolIcon(kCmdFileOpen)},
        {"save", ToolIcon(kCmdFileSave)},
        {"print", ToolIcon(kCmdPrint)},
        {"write", ToolIcon(kCmdWriteUnit)},
        {"read", ToolIcon(kCmdReadUnit)},
        {"set time", ToolIcon(kCmdSetTime)},
        {"undo", ToolIcon(kCmdEditUndo)},
        {"redo", ToolIcon(kCmdEditRedo)},
        {"program", AppIcon()},
    };
    for (const auto& p : pictures) {
        const QImage image = p.icon.pixmap(QSize(16, 16), 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(32, 32)) << p.what;
        EXPECT_GT(Inked(image, image.rect()), 32 * 32 / 5) << p.what;
    }
    EXPECT_TRUE(TreeStateIcon(kStateNone).isNull());
}

// The tree's items and the Arch Number rows show the mark left of the
// category picture; without a mark its place stays clear, so the pictures line up.
TEST(Pictures, AMarkSitsLeftOfThePicture) {
    const struct {
        int state;
        bool marked;
    } cases[] = {{kStateNone, false}, {kStateConflict, true}, {kStateClear, true}};
    for (const auto& c : cases) {
        const QImage image =
            TreeItemIcon(kImagePageable, c.state).pixmap(SideBySideSize(), 2.0).toImage();
        ASSERT_EQ(image.size(), SideBySideSize() * 2) << c.state;
        EXPECT_EQ(Inked(image, QRect(0, 0, 32, 32)) > 0, c.marked) << c.state;
        EXPECT_GT(Inked(image, QRect(36, 0, 32, 32)), 0) << c.state;
    }
}

}  // namespace
