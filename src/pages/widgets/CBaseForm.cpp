#include "pages/widgets/CBaseForm.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "pages/widgets/KeyStrip.h"
#include "pages/widgets/PageWidgetMessages.h"
#include "pages/widgets/TitleFont.h"

CBaseForm::CBaseForm(PageContext& ctx, PageKind kind, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_kind(kind), m_nShownRevision(ctx.m_main.m_history.Revision()) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 10);
    m_pTitle = new QLabel(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kTitleText), this);
    m_pTitle->setObjectName("pageTitle");
    outer->addWidget(m_pTitle);
    m_pBody = new QVBoxLayout();
    m_pBody->setContentsMargins(0, 8, 0, 8);
    outer->addLayout(m_pBody, 1);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    outer->addWidget(rule);
    outer->addWidget(new KeyStrip(this));
    ApplyTitleFont();
}

void CBaseForm::ApplyTitleFont() { m_pTitle->setFont(TitleFont()); }

void CBaseForm::RecordEdit(const std::string& label, bool typing) {
    EditHistory& history = m_ctx.m_main.m_history;
    // The edit was made on what the page shows, so the page still shows the model.
    const bool current = ShowsModel();
    history.Record(m_ctx.m_doc, label, m_ctx.m_tree.SelectedItem(), typing);
    if (current) m_nShownRevision = history.Revision();
}
