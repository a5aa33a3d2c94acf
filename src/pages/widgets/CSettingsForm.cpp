#include "pages/widgets/CSettingsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "pages/PageMessages.h"
#include "pages/SettingsOps.h"
#include "pages/widgets/PageWidgetMessages.h"
#include "window/AccessibleNames.h"

namespace {

QLabel* Text(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

constexpr int kAdminLines = 4;

}  // namespace

CSettingsForm::CSettingsForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CSettingsForm, parent) {
    auto* priority = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPriorityGroup), this);
    auto* priorityLayout = new QVBoxLayout(priority);
    m_pPriority = new QButtonGroup(this);
    const QString radios[] = {
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPrioritySmdr),
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPriorityPc),
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPriorityEqual)};
    for (int value = 1; value <= 3; ++value) {
        auto* radio = new QRadioButton(radios[value - 1], priority);
        radio->setObjectName(QString("priority%1").arg(value));
        m_pPriority->addButton(radio, value);
        priorityLayout->addWidget(radio);
    }
    priorityLayout->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPriorityExplain),
             priority));
    priorityLayout->addStretch(1);

    auto* admin = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kAdminGroup), this);
    m_pAdmin = new QListWidget(admin);
    m_pAdmin->setObjectName("adminList");
    m_pAdmin->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pAdmin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pAdmin->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pAdmin->addItem(QString("0"));
    const int row = m_pAdmin->sizeHintForRow(0);
    m_pAdmin->clear();
    const int frame = 2 * m_pAdmin->frameWidth();
    m_pAdmin->setFixedSize(m_pAdmin->fontMetrics().horizontalAdvance("0000000000") + frame,
                           kAdminLines * row + frame);
    // Each "Video Out" label stands beside its line of the list.
    auto* outs = new QVBoxLayout;
    outs->setSpacing(0);
    outs->setContentsMargins(0, m_pAdmin->frameWidth(), 0, m_pAdmin->frameWidth());
    for (int i = 1; i <= kAdminLines; ++i) {
        auto* label = new QLabel(
            QCoreApplication::translate("PageWidgets", PageWidgetMessages::kVideoOut).arg(i),
            admin);
        label->setFixedHeight(row);
        outs->addWidget(label);
    }
    m_pMoveUp = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kMoveUp), admin);
    m_pMoveUp->setObjectName("moveUp");
    m_pMoveDown = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kMoveDown), admin);
    m_pMoveDown->setObjectName("moveDown");
    auto* moves = new QVBoxLayout;
    moves->addWidget(m_pMoveUp);
    moves->addWidget(m_pMoveDown);
    moves->addStretch(1);
    auto* mapping = new QGridLayout;
    auto* adminLabel = new QLabel(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kAdminArchHeading), admin);
    adminLabel->setBuddy(m_pAdmin);
    m_pAdmin->setAccessibleName(NameOfLabel(adminLabel->text()));
    mapping->addWidget(adminLabel, 0, 1);
    mapping->addLayout(outs, 1, 0, Qt::AlignTop);
    mapping->addWidget(m_pAdmin, 1, 1, Qt::AlignTop);
    mapping->addLayout(moves, 1, 2);
    mapping->setColumnStretch(3, 1);
    m_pAdminHint =
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kAdminHint), admin);
    m_pAdminHint->setObjectName("adminHint");
    auto* adminLayout = new QVBoxLayout(admin);
    adminLayout->addLayout(mapping);
    adminLayout->addWidget(m_pAdminHint);
    adminLayout->addStretch(1);

    auto* password = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPasswordGroup), this);
    m_pPassword = new QLineEdit(password);
    m_pPassword->setObjectName("password");
    m_pPassword->setAccessibleName(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPasswordName));
    m_pPassword->setMaxLength(static_cast<int>(kPasswordMaxLength));
    m_pPassword->setFixedWidth(m_pPassword->fontMetrics().horizontalAdvance(QString(10, 'W')));
    auto* accept = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kAccept), password);
    accept->setObjectName("accept");
    auto* entry = new QHBoxLayout;
    entry->addWidget(m_pPassword);
    entry->addWidget(accept);
    entry->addStretch(1);
    auto* passwordLayout = new QVBoxLayout(password);
    passwordLayout->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kPasswordExplain),
             password));
    passwordLayout->addLayout(entry);
    passwordLayout->addStretch(1);

    auto* time = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kTimeGroup), this);
    m_pTimeFromSmdr = new QCheckBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kTimeFromSmdr), time);
    m_pTimeFromSmdr->setObjectName("timeFromSmdr");
    m_pTimeFromPc = new QCheckBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kTimeFromPc), time);
    m_pTimeFromPc->setObjectName("timeFromPc");
    auto* timeLayout = new QVBoxLayout(time);
    timeLayout->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kTimeExplain), time));
    timeLayout->addWidget(m_pTimeFromSmdr);
    timeLayout->addWidget(m_pTimeFromPc);
    timeLayout->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(priority, 0, 0);
    grid->addWidget(admin, 0, 1);
    grid->addWidget(password, 1, 0);
    grid->addWidget(time, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    Body()->addLayout(grid);
    Body()->addStretch(1);

    connect(m_pPriority, &QButtonGroup::idClicked, this, [this](int value) {
        SetPriority(m_ctx.m_doc, value);
        RecordEdit(Tr("Pages", PageMessages::kEditPriority));
    });
    connect(m_pMoveUp, &QPushButton::clicked, this, [this] { OnMove(true); });
    connect(m_pMoveDown, &QPushButton::clicked, this, [this] { OnMove(false); });
    connect(accept, &QPushButton::clicked, this,
            [this] { AcceptPassword(m_ctx.m_main, m_pPassword->text().toLatin1().toStdString()); });
    connect(m_pTimeFromSmdr, &QCheckBox::clicked, this, [this](bool on) {
        SetTimeRefresh(m_ctx.m_doc, kTimeRefreshSmdr, on);
        RecordEdit(Tr("Pages", PageMessages::kEditTimeFromSmdr));
    });
    connect(m_pTimeFromPc, &QCheckBox::clicked, this, [this](bool on) {
        SetTimeRefresh(m_ctx.m_doc, kTimeRefreshPc, on);
        RecordEdit(Tr("Pages", PageMessages::kEditTimeFromPc));
    });
}

void CSettingsForm::LoadNode(TreeItem) {
    ApplyTitleFont();
    const CZRTProDoc& doc = m_ctx.m_doc;
    m_pPriority->button(PriorityRadio(doc))->setChecked(true);
    ShowAdminLines(-1);
    m_pTimeFromPc->setChecked((doc.m_byTimeRefresh & kTimeRefreshPc) != 0);
    m_pTimeFromSmdr->setChecked((doc.m_byTimeRefresh & kTimeRefreshSmdr) != 0);
    const bool editable = IsAdminMappingEditable(doc);
    for (QWidget* w : {static_cast<QWidget*>(m_pAdmin), static_cast<QWidget*>(m_pMoveUp),
                       static_cast<QWidget*>(m_pMoveDown)})
        w->setEnabled(editable);
    m_pAdminHint->setText(
        editable ? QCoreApplication::translate("PageWidgets", PageWidgetMessages::kAdminHint)
                 : QCoreApplication::translate("Pages", PageMessages::kLunettaOnly));
    m_pPassword->clear();
}

void CSettingsForm::ShowAdminLines(int selected) {
    m_pAdmin->clear();
    int out = 0;
    for (const std::string& line : AdminLines(m_ctx.m_doc)) {
        const QString number =
            QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        auto* item = new QListWidgetItem(number, m_pAdmin);
        // The Video Out a line maps stands beside it; a screen reader hears both.
        item->setData(
            Qt::AccessibleTextRole,
            QCoreApplication::translate("PageWidgets", PageWidgetMessages::kSpokenAdminLine)
                .arg(++out)
                .arg(number.trimmed()));
    }
    m_pAdmin->setCurrentRow(selected);
}

void CSettingsForm::OnMove(bool up) {
    const int selected = m_pAdmin->selectedItems().isEmpty() ? -1 : m_pAdmin->currentRow();
    ShowAdminLines(MoveAdmin(m_ctx.m_doc, m_ctx.m_prompter, selected, up));
    RecordEdit(up ? Tr("Pages", PageMessages::kEditAdminUp)
                  : Tr("Pages", PageMessages::kEditAdminDown));
}
