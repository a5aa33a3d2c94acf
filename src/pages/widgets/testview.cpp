#include "pages/widgets/testview.h"

#include <QVBoxLayout>

testview::testview(PageContext& ctx, QWidget* parent) : CBaseForm(ctx, PageKind::testview, parent) {
    Body()->addStretch(1);
}
