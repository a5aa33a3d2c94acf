#include "pages/widgets/CIdleLoopForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "pages/EditLabels.h"
#include "pages/PageMessages.h"
#include "pages/widgets/CIdleListBox.h"
#include "pages/widgets/PageWidgetMessages.h"
#include "window/AccessibleNames.h"
#include "window/FocusedSelection.h"
#include "window/ReadablePalette.h"

namespace {

QString FromBytes(const std::string& s) { return QString::fromLatin1(s.data(), s.size()); }

QLabel* Text(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines, int selected) {
    const QSignalBlocker block(list);
    list->clear();
    for (const std::string& line : lines) list->addItem(FromBytes(line));
    list->setCurrentRow(selected);
}

}  // namespace

CIdleLoopForm::CIdleLoopForm(PageContext& ctx, QWidget* parent)
    : CBaseForm(ctx, PageKind::CIdleLoopForm, parent), m_editor(ctx.m_doc, ctx.m_prompter) {
    auto* group = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleGroup), this);
    m_pArchList = new QListWidget(group);
    m_pArchList->setObjectName("archNumbers");
    m_pIdleList = new CIdleListBox(group);
    m_pIdleList->setObjectName("idleLoop");
    m_pIdleList->m_canDrag = [this](int line) { return m_editor.CanDrag(line); };
    const int listWidth = m_pArchList->fontMetrics().horizontalAdvance(QString(26, 'X'));
    for (QListWidget* list :
         {static_cast<QListWidget*>(m_pArchList), static_cast<QListWidget*>(m_pIdleList)}) {
        list->setMinimumWidth(listWidth);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        ShowFocusInSelection(*list);
    }
    auto* add = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleAdd), group);
    add->setObjectName("addToLoop");
    add->setAccessibleName(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleAddName));
    auto* remove = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleRemove), group);
    remove->setObjectName("removeFromLoop");
    remove->setAccessibleName(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleRemoveName));
    for (QPushButton* arrow : {add, remove})
        arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(">>>>") + 24);

    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    arrows->addWidget(add);
    arrows->addWidget(remove);
    arrows->addStretch(1);
    auto* lists = new QGridLayout;
    QLabel* archLabel = Text(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleArchNumbers), group);
    QLabel* loopLabel =
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleLoop), group);
    for (const auto& [label, list] : {std::pair<QLabel*, QListWidget*>{archLabel, m_pArchList},
                                      std::pair<QLabel*, QListWidget*>{loopLabel, m_pIdleList}}) {
        label->setBuddy(list);
        list->setAccessibleName(NameOfLabel(label->text()));
    }
    lists->addWidget(archLabel, 0, 0);
    lists->addWidget(loopLabel, 0, 2);
    lists->addWidget(m_pArchList, 1, 0);
    lists->addLayout(arrows, 1, 1);
    lists->addWidget(m_pIdleList, 1, 2);
    lists->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleAddHint), group),
        2, 0);
    lists->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleRemoveHint),
             group),
        2, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    lists->setRowStretch(1, 1);

    m_pNoVideo = new QCheckBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleNoVideo), group);
    m_pNoVideo->setObjectName("noVideo");
    m_pDelay = new QLineEdit(group);
    m_pDelay->setObjectName("delay");
    m_pDelay->setFixedWidth(m_pDelay->fontMetrics().horizontalAdvance("00000") + 16);
    m_pDelayWarning =
        Text(QCoreApplication::translate("Pages", PageMessages::kIdleDelayInvalid), group);
    m_pDelayWarning->setObjectName("delayWarning");
    ShowAsWarning(*m_pDelayWarning);
    // Its room stays while it is hidden, so the page does not jump when it shows.
    QSizePolicy keepRoom = m_pDelayWarning->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_pDelayWarning->setSizePolicy(keepRoom);
    m_pDelayWarning->hide();
    auto* delay = new QHBoxLayout;
    delay->addWidget(m_pNoVideo);
    delay->addSpacing(24);
    QLabel* delayLabel = Text(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleDelayLabel), group);
    delayLabel->setBuddy(m_pDelay);
    delay->addWidget(delayLabel);
    delay->addWidget(m_pDelay);
    delay->addStretch(1);

    auto* addAll = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleAddAll), group);
    addAll->setObjectName("addAll");
    auto* clear = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleClear), group);
    clear->setObjectName("clearLoop");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addAll);
    buttons->addWidget(clear);
    buttons->addSpacing(12);
    buttons->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleSize), group), 1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(
        Text(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kIdleArrows), group));
    layout->addLayout(lists, 1);
    layout->addLayout(delay);
    layout->addWidget(m_pDelayWarning);
    layout->addLayout(buttons);
    Body()->addWidget(group, 1);

    connect(add, &QPushButton::clicked, this, &CIdleLoopForm::OnAdd);
    connect(m_pArchList, &QListWidget::itemDoubleClicked, this, &CIdleLoopForm::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CIdleLoopForm::OnRemove);
    connect(m_pIdleList, &QListWidget::itemDoubleClicked, this, &CIdleLoopForm::OnRemove);
    connect(addAll, &QPushButton::clicked, this, &CIdleLoopForm::OnAddAll);
    connect(clear, &QPushButton::clicked, this, &CIdleLoopForm::OnClear);
    connect(m_pDelay, &QLineEdit::textChanged, this, &CIdleLoopForm::OnDelayChanged);
    // The keys typed into the delay make one step of the edit history.
    connect(m_pDelay, &QLineEdit::editingFinished, this,
            [this] { m_ctx.m_main.m_history.EndTyping(); });
    connect(m_pNoVideo, &QCheckBox::clicked, this, &CIdleLoopForm::OnNoVideoClicked);
    connect(m_pIdleList, &CIdleListBox::LineDropped, this, &CIdleLoopForm::OnLineDropped);
    connect(m_pArchList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_editor.SelectArch(row); });
    connect(m_pIdleList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_editor.SelectIdle(row); });

    // Delete removes the selected loop line from wherever the focus is on the
    // page, the delay field included; Enter in the numbers adds one.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void CIdleLoopForm::LoadNode(TreeItem) {
    ApplyTitleFont();
    const CZRTProDoc& doc = m_ctx.m_doc;
    {
        const QSignalBlocker block(m_pDelay);
        m_pDelay->setText(QString::number(doc.m_nIdleDelay));
    }
    m_pDelayWarning->hide();
    m_pNoVideo->setChecked(doc.m_bIdleNoVideo != 0);
    m_editor.Load();
    ShowArchLines();
    ShowIdleLines();
}

// The page takes the focus on the loop when the user goes into it (a click in
// the tree, Enter, Tab or F6), not while the tree is walked with the keys.
QWidget* CIdleLoopForm::FocusTarget() const { return m_pIdleList; }

void CIdleLoopForm::ShowArchLines() {
    ShowLines(m_pArchList, m_editor.ArchLines(), m_editor.ArchSelection());
}

void CIdleLoopForm::ShowIdleLines() {
    ShowLines(m_pIdleList, m_editor.IdleLines(), m_editor.IdleSelection());
}

bool CIdleLoopForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter on a number adds it to the loop, as a double click does.
        if (watched == m_pArchList && event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            OnAdd();
            return true;
        }
        // Delete (the keypad's too) removes a loop line only from the loop list;
        // elsewhere, as in the delay field, it is the field's own key.
        if (watched == m_pIdleList && key->key() == Qt::Key_Delete &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // Claiming the override keeps the key from the window's shortcuts;
            // the press that follows is the page's.
            if (event->type() == QEvent::KeyPress) OnRemove();
            event->accept();
            return true;
        }
    }
    return CBaseForm::eventFilter(watched, event);
}

void CIdleLoopForm::OnAdd() {
    const std::string label = IdleAddLabel(m_editor);
    const int at = m_editor.Add();
    if (at < 0) return;
    RecordEdit(label);
    ShowIdleLines();
    m_pIdleList->scrollToItem(m_pIdleList->item(at > 1 ? at - 1 : at),
                              QAbstractItemView::PositionAtTop);
}

void CIdleLoopForm::OnRemove() {
    m_editor.Remove();
    RecordEdit(Tr("Pages", PageMessages::kEditIdleDelete));
    ShowIdleLines();
}

void CIdleLoopForm::OnAddAll() {
    m_editor.AddAll();
    RecordEdit(Tr("Pages", PageMessages::kEditIdleAddAll));
    ShowIdleLines();
    m_pIdleList->scrollToItem(m_pIdleList->currentItem());
}

void CIdleLoopForm::OnClear() {
    m_editor.Clear();
    RecordEdit(Tr("Pages", PageMessages::kEditIdleClear));
    ShowIdleLines();
}

void CIdleLoopForm::OnDelayChanged() {
    m_pDelayWarning->setVisible(!m_editor.SetDelay(m_pDelay->text().toLatin1().toStdString()));
    RecordEdit(Tr("Pages", PageMessages::kEditIdleDelay), true);
}

void CIdleLoopForm::OnNoVideoClicked() {
    m_editor.SetNoVideo(m_pNoVideo->isChecked());
    RecordEdit(Tr("Pages", PageMessages::kEditIdleNoVideo));
}

void CIdleLoopForm::OnLineDropped(int from, int before) {
    m_editor.Move(from, before);
    RecordEdit(Tr("Pages", PageMessages::kEditIdleMove));
    ShowIdleLines();
}
