#include "app/PageFactory.h"

#include "pages/widgets/CIdleLoopForm.h"
#include "pages/widgets/CInfoForm.h"
#include "pages/widgets/CSettingsForm.h"
#include "pages/widgets/CUnusedArchForm.h"
#include "pages/widgets/CZRTForm.h"
#include "pages/widgets/testview.h"
#include "unit/widgets/CStatusForm.h"

CBaseForm* CreatePage(PageKind kind, PageContext& ctx, QWidget* parent) {
    switch (kind) {
        case PageKind::testview:
            return new testview(ctx, parent);
        case PageKind::CInfoForm:
            return new CInfoForm(ctx, parent);
        case PageKind::CUnusedArchForm:
            return new CUnusedArchForm(ctx, parent);
        case PageKind::CStatusForm:
            return new CStatusForm(ctx, parent);
        case PageKind::CZRTForm:
            return new CZRTForm(ctx, parent);
        case PageKind::CSettingsForm:
            return new CSettingsForm(ctx, parent);
        case PageKind::CIdleLoopForm:
            return new CIdleLoopForm(ctx, parent);
        case PageKind::None:
            break;
    }
    return nullptr;
}
