#include "pages/widgets/CInfoForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "pages/widgets/PageWidgetMessages.h"

CInfoForm::CInfoForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CInfoForm, parent) {
    auto* text =
        new QLabel(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kInfoText), this);
    text->setObjectName("infoText");
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setWordWrap(true);
    text->setContentsMargins(24, 32, 24, 0);
    Body()->addWidget(text);
    Body()->addStretch(1);
}
