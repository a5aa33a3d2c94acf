#include "pages/widgets/CUnusedArchForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "pages/widgets/PageWidgetMessages.h"

CUnusedArchForm::CUnusedArchForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CUnusedArchForm, parent) {
    auto* heading = new QLabel(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kUnusedHeading), this);
    heading->setContentsMargins(0, 16, 0, 16);
    Body()->addWidget(heading);
    for (const QString& text :
         {QCoreApplication::translate("PageWidgets", PageWidgetMessages::kUnusedButtonText),
          QCoreApplication::translate("PageWidgets", PageWidgetMessages::kUnusedExplain)}) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignHCenter);
        label->setWordWrap(true);
        label->setContentsMargins(24, 8, 24, 8);
        Body()->addWidget(label);
    }
    Body()->addStretch(1);
}
