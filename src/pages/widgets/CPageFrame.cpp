#include "pages/widgets/CPageFrame.h"

#include <QVBoxLayout>

CPageFrame::CPageFrame(PageContext& ctx, PageKind kind, QWidget* parent)
    : CBaseForm(ctx, kind, parent) {
    Body()->addStretch(1);
}
