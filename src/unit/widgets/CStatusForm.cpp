#include "unit/widgets/CStatusForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "unit/widgets/UnitWidgetMessages.h"

CStatusForm::CStatusForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CStatusForm, parent) {
    auto* group = new QGroupBox(this);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(10);
    column->addWidget(new QLabel(QString::fromLatin1(UnitWidgetMessages::kProgress), group));
    m_pProgress = new QProgressBar(group);
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    QPalette palette = m_pProgress->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 240, 0));
    m_pProgress->setPalette(palette);
    column->addWidget(m_pProgress);
    column->addWidget(new QLabel(QString::fromLatin1(UnitWidgetMessages::kPleaseWait), group));
    Body()->addSpacing(24);
    Body()->addWidget(group);
    Body()->addStretch(1);
}

void CStatusForm::SetProgress(int percent) { m_pProgress->setValue(percent); }

int CStatusForm::Progress() const { return m_pProgress->value(); }
