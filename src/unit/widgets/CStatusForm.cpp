#include "unit/widgets/CStatusForm.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "model/Translate.h"
#include "unit/UnitCommands.h"
#include "unit/UnitMessages.h"
#include "unit/widgets/UnitWidgetMessages.h"
#include "window/AccessibleNames.h"
#include "window/QtPrompter.h"
#include "window/ReadablePalette.h"

namespace UWM = UnitWidgetMessages;

CStatusForm::CStatusForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CStatusForm, parent) {
    auto* group = new QGroupBox(this);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(10);
    auto* progressLabel =
        new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kProgress), group);
    column->addWidget(progressLabel);
    m_pProgress = new QProgressBar(group);
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    progressLabel->setBuddy(m_pProgress);
    m_pProgress->setAccessibleName(NameOfLabel(progressLabel->text()));
    ShowGreenProgress(*m_pProgress);
    column->addWidget(m_pProgress);
    // The line and the wait note wrap rather than widen the page: in a longer
    // language the Cancel button would leave the window.
    m_pLine = new QLabel(group);
    m_pLine->setObjectName("transferLine");
    m_pLine->setWordWrap(true);
    m_pElapsed = new QLabel(group);
    m_pElapsed->setObjectName("transferElapsed");
    m_pElapsed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* times = new QHBoxLayout;
    times->addWidget(m_pLine, 1);
    times->addWidget(m_pElapsed);
    column->addLayout(times);
    m_pWait = new QLabel(QCoreApplication::translate("UnitWidgets", UWM::kPleaseWait), group);
    m_pWait->setWordWrap(true);
    m_pCancel = new QPushButton(QCoreApplication::translate("UnitWidgets", UWM::kCancel), group);
    m_pCancel->setObjectName("cancel");
    m_pCancel->setToolTip(QCoreApplication::translate("UnitWidgets", UWM::kCancelTip));
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

void CStatusForm::SetTransferLine(const QString& line, const QString& elapsed) {
    m_pLine->setText(line);
    m_pElapsed->setText(elapsed);
}

QString CStatusForm::LineText() const { return m_pLine->text(); }

QString CStatusForm::ElapsedText() const { return m_pElapsed->text(); }

CStatusForm::~CStatusForm() {
    // The transfer the question was about has ended.
    if (m_pQuestion) m_pQuestion->done(QMessageBox::No);
}

void CStatusForm::RequestCancel() {
    MainState& state = m_ctx.m_main;
    auto* prompter = dynamic_cast<QtPrompter*>(&m_ctx.m_prompter);
    switch (CancelStepFor(state)) {
        case CancelStep::Nothing:
            return;
        case CancelStep::StopNow:
            state.m_bCancelRequested = true;
            ShowStopping();
            return;
        case CancelStep::Ask:
            break;
    }
    if (m_bAsking) return;
    if (!prompter) {
        if (RequestTransferCancel(state, m_ctx.m_prompter)) ShowStopping();
        return;
    }
    // The write goes on while the user reads the question.
    m_bAsking = true;
    QPointer<CStatusForm> self(this);
    m_pQuestion =
        prompter->AskWithoutWaiting(Tr("Unit", UnitMessages::kStopWriting), PromptButtons::YesNo,
                                    PromptIcon::Question, [self, &state](PromptAnswer answer) {
                                        const bool stopping = AnswerStopQuestion(state, answer);
                                        if (!self) return;
                                        self->m_bAsking = false;
                                        if (stopping) self->ShowStopping();
                                    });
}

void CStatusForm::ShowStopping() {
    m_pCancel->setEnabled(false);
    m_pWait->setText(QCoreApplication::translate("UnitWidgets", UWM::kCancelling));
}
