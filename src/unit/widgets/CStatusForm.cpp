#include "unit/widgets/CStatusForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "unit/UnitCommands.h"
#include "unit/widgets/UnitWidgetMessages.h"

namespace UWM = UnitWidgetMessages;

CStatusForm::CStatusForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CStatusForm, parent) {
    auto* group = new QGroupBox(this);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(10);
    column->addWidget(new QLabel(QString::fromLatin1(UWM::kProgress), group));
    m_pProgress = new QProgressBar(group);
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    QPalette palette = m_pProgress->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 240, 0));
    m_pProgress->setPalette(palette);
    column->addWidget(m_pProgress);
    m_pWait = new QLabel(QString::fromLatin1(UWM::kPleaseWait), group);
    m_pCancel = new QPushButton(QString::fromLatin1(UWM::kCancel), group);
    m_pCancel->setObjectName("cancel");
    m_pCancel->setToolTip(QString::fromLatin1(UWM::kCancelTip));
    auto* row = new QHBoxLayout;
    row->addWidget(m_pWait, 1);
    row->addWidget(m_pCancel);
    column->addLayout(row);
    Body()->addSpacing(24);
    Body()->addWidget(group);
    Body()->addStretch(1);

    connect(m_pCancel, &QPushButton::clicked, this, &CStatusForm::RequestCancel);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &CStatusForm::RequestCancel);
}

void CStatusForm::SetProgress(int percent) { m_pProgress->setValue(percent); }

int CStatusForm::Progress() const { return m_pProgress->value(); }

void CStatusForm::RequestCancel() {
    if (!RequestTransferCancel(m_ctx.m_main, m_ctx.m_prompter)) return;
    m_pCancel->setEnabled(false);
    m_pWait->setText(QString::fromLatin1(UWM::kCancelling));
}
