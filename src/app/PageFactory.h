#pragma once

#include "model/PageKind.h"
#include "pages/widgets/PageContext.h"

class CBaseForm;
class QWidget;

// Makes the page of a node's page kind; null for PageKind::None.
CBaseForm* CreatePage(PageKind kind, PageContext& ctx, QWidget* parent);
