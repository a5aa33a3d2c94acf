#include "pages/widgets/CZRTForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "pages/ArchAssign.h"
#include "pages/ArchPageState.h"
#include "pages/EditLabels.h"
#include "pages/PageMessages.h"
#include "pages/widgets/ArchEntryDlg.h"
#include "pages/widgets/ArchRowPictures.h"
#include "pages/widgets/PageWidgetMessages.h"
#include "tree/ArchRules.h"
#include "tree/BuildTree.h"
#include "window/AccessibleNames.h"
#include "window/FocusedSelection.h"
#include "window/ReadablePalette.h"

namespace {

QString FromBytes(const std::string& s) { return QString::fromLatin1(s.data(), s.size()); }
std::string ToBytes(const QString& s) { return s.toLatin1().toStdString(); }

}  // namespace

CZRTForm::CZRTForm(PageContext& ctx, QWidget* parent) : CBaseForm(ctx, PageKind::CZRTForm, parent) {
    auto* listGroup = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kArchListGroup), this);
    m_pList = new QTreeWidget(listGroup);
    ShowFocusInSelection(*m_pList);
    m_pList->setObjectName("archList");
    m_pList->setAccessibleName(NameOfLabel(listGroup->title()));
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setIconSize(ArchRowIconSize());
    m_pList->setHeaderLabels(
        {QCoreApplication::translate("PageWidgets", PageWidgetMessages::kColumnArch),
         QCoreApplication::translate("PageWidgets", PageWidgetMessages::kColumnName)});
    QHeaderView* header = m_pList->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The number column also carries the row's pictures.
    const QFontMetrics metrics = m_pList->fontMetrics();
    // Room for the widest entry, and for the heading in the person's language.
    const auto room = [&](const char* measure, int column) {
        return std::max(
            metrics.horizontalAdvance(measure),
            header->fontMetrics().horizontalAdvance(m_pList->headerItem()->text(column)) +
                header->style()->pixelMetric(QStyle::PM_HeaderMargin) * 2);
    };
    m_pList->setColumnWidth(
        0, room(PageWidgetMessages::kColumnArchMeasure, 0) + ArchRowIconSize().width() + 8);
    m_pList->setColumnWidth(1, room(PageWidgetMessages::kColumnNameMeasure, 1) + 20);
    connect(header, &QHeaderView::sectionClicked, this, &CZRTForm::OnHeaderClicked);
    m_pList->viewport()->installEventFilter(this);
    m_pList->installEventFilter(this);
    auto* listLayout = new QVBoxLayout(listGroup);
    listLayout->addWidget(m_pList, 1);

    m_pCurrentArch = new QLineEdit(this);
    m_pCurrentArch->setObjectName("currentArch");
    m_pCurrentArch->setReadOnly(true);
    // Shown, not edited: the field takes the window's colour and stays out of the Tab order.
    ShowOnWindowColour(*m_pCurrentArch);
    m_pCurrentArch->setFocusPolicy(Qt::ClickFocus);
    m_pCurrentArch->setMaximumWidth(metrics.horizontalAdvance("WWWWWW") + 16);
    m_pReset = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kResetToOriginal), this);
    m_pReset->setObjectName("resetToOriginal");
    m_pReset->setEnabled(false);
    m_pEdit = new QPushButton(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kEditArchAndName), this);
    m_pEdit->setObjectName("editArch");
    m_pEdit->setAccessibleName(m_pEdit->text().trimmed());
    auto* current = new QHBoxLayout;
    auto* currentLabel = new QLabel(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kCurrentArch), this);
    currentLabel->setBuddy(m_pCurrentArch);
    current->addWidget(currentLabel);
    current->addWidget(m_pCurrentArch);
    current->addSpacing(12);
    current->addWidget(m_pReset);
    current->addWidget(m_pEdit);
    current->addStretch(1);
    listLayout->addLayout(current);
    auto* hint = new QLabel(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kClickToAssign), this);
    hint->setWordWrap(true);
    listLayout->addWidget(hint);

    auto* reportGroup = new QGroupBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kConflictReportGroup), this);
    m_pReport = new QPlainTextEdit(reportGroup);
    m_pReport->setObjectName("conflictReport");
    m_pReport->setAccessibleName(NameOfLabel(reportGroup->title()));
    m_pReport->setReadOnly(true);
    m_pReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pReport->setMinimumHeight(metrics.lineSpacing() * 5);
    // Both boxes share what height the pane has rather than asking for a
    // fixed one, so the page fits a window of the usual size without scrolling.
    m_pReport->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_pList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_pList->setMinimumHeight(metrics.lineSpacing() * 8);
    m_pConflictsExist = new QLabel(
        QCoreApplication::translate("Pages", PageMessages::kConflictsExist), reportGroup);
    m_pConflictsExist->setObjectName("conflictsExist");
    ShowAsWarning(*m_pConflictsExist);
    m_pConflictsExist->hide();
    m_pCurrentItemOnly = new QCheckBox(
        QCoreApplication::translate("PageWidgets", PageWidgetMessages::kCurrentItemOnly),
        reportGroup);
    m_pCurrentItemOnly->setObjectName("currentItemOnly");
    auto* reportLayout = new QVBoxLayout(reportGroup);
    reportLayout->addWidget(m_pReport, 1);
    auto* reportFoot = new QHBoxLayout;
    reportFoot->addWidget(m_pCurrentItemOnly);
    reportFoot->addStretch(1);
    reportFoot->addWidget(m_pConflictsExist);
    reportLayout->addLayout(reportFoot);

    Body()->addWidget(listGroup, 2);
    Body()->addWidget(reportGroup, 1);

    connect(m_pReset, &QPushButton::clicked, this, &CZRTForm::OnReset);
    connect(m_pEdit, &QPushButton::clicked, this, &CZRTForm::OnEdit);
    connect(m_pCurrentArch, &QLineEdit::textChanged, this, &CZRTForm::OnCurrentArchChanged);
    connect(m_pCurrentItemOnly, &QCheckBox::clicked, this, &CZRTForm::OnCurrentItemOnlyClicked);
}

void CZRTForm::LoadNode(TreeItem node) {
    if (!m_ctx.m_doc.m_bTreeBuilt) return;
    ApplyTitleFont();
    if (m_ctx.m_doc.m_nodes.empty()) return;
    if (auto arch = CurrentArchOnLoad(m_ctx.m_doc, node, m_ctx.m_prompter))
        m_pCurrentArch->setText(FromBytes(*arch));
    m_pCurrentItemOnly->setChecked(ConflictsForCurrentItemOnly(m_ctx.m_profile));
    m_bLoaded = true;
    RefreshReport();
}

QWidget* CZRTForm::FocusTarget() const { return m_pList; }

void CZRTForm::FillList(int column, bool ascending) {
    m_rows = ::FillArchList(m_ctx.m_doc, column, ascending);
    m_pList->setUpdatesEnabled(false);
    m_pList->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const ArchRow& row : m_rows) {
        auto* item = new QTreeWidgetItem({FromBytes(row.m_strArch), FromBytes(row.m_strName)});
        item->setIcon(0, RowIcon(row));
        // A screen reader hears the row's marks, which the pictures show.
        item->setData(0, Qt::AccessibleTextRole, FromBytes(SpokenArchRow(row)));
        items << item;
    }
    m_pList->addTopLevelItems(items);
    HighlightCurrentArch();
    m_pList->setUpdatesEnabled(true);
}

void CZRTForm::HighlightCurrentArch() {
    const int n = m_ctx.m_doc.FindNodeByItem(m_ctx.m_tree.SelectedItem());
    if (n < 0) return;
    const int row = RowOfArch(m_rows, m_ctx.m_doc.m_nodes[static_cast<size_t>(n)].m_strArch);
    QTreeWidgetItem* item = m_pList->topLevelItem(row);
    if (!item) return;
    // Moving the highlight assigns nothing: only a click, Enter or Space does.
    m_pList->setCurrentItem(item);
    m_pList->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void CZRTForm::ShowCurrentArch() {
    const int n = m_ctx.m_doc.FindNodeByItem(m_ctx.m_tree.SelectedItem());
    if (n >= 0)
        m_pCurrentArch->setText(FromBytes(m_ctx.m_doc.m_nodes[static_cast<size_t>(n)].m_strArch));
}

void CZRTForm::RefreshPage() {
    if (!m_bLoaded) return;
    ShowCurrentArch();
    RefreshReport();
}

const QIcon& CZRTForm::RowIcon(const ArchRow& row) {
    const bool conflict = row.m_nState == kListStateConflict;
    const size_t slot = static_cast<size_t>(std::clamp(row.m_nIcon, 0, 3) * 2 + (conflict ? 1 : 0));
    if (m_icons[slot].isNull()) m_icons[slot] = ArchRowIcon(row.m_nIcon, row.m_nState);
    return m_icons[slot];
}

void CZRTForm::RefreshReport() {
    if (!m_bLoaded) return;
    // The tree's marks and pictures follow every change of the numbers.
    RefreshTreeMarks(m_ctx.m_doc, m_ctx.m_tree);
    const ConflictReport report = RefreshConflictReport(m_ctx.m_doc, m_ctx.m_tree, m_ctx.m_prompter,
                                                        m_pCurrentItemOnly->isChecked());
    if (report.m_bRefreshed) {
        m_pReport->setPlainText(FromBytes(report.m_strReport).remove(QLatin1Char('\r')));
        m_pConflictsExist->setVisible(m_ctx.m_doc.m_bConflicts != 0);
    }
    FillList(m_ctx.m_doc.m_nSortColumn, m_ctx.m_doc.m_bSortAscending);
}

bool CZRTForm::eventFilter(QObject* watched, QEvent* event) {
    // A click anywhere in the list, on a row or beside the rows, assigns.
    // A click beside the rows selects nothing, whatever row was highlighted.
    if (watched == m_pList->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (!m_pList->itemAt(mouse->position().toPoint())) m_pList->clearSelection();
            OnListClicked();
        }
    }
    // From the keyboard, Enter or Space assigns the highlighted number.
    if (watched == m_pList && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Space:
                    if (QTreeWidgetItem* current = m_pList->currentItem())
                        current->setSelected(true);
                    OnListClicked();
                    return true;
                default:
                    break;
            }
        }
    }
    return CBaseForm::eventFilter(watched, event);
}

void CZRTForm::OnListClicked() {
    if (!m_bLoaded) return;
    UpdateNode(m_ctx.m_tree.SelectedItem(), true);
    m_ctx.m_doc.SetModifiedFlag();
    RecordEdit(AssignLabel(m_ctx.m_doc, m_ctx.m_doc.FindNodeByItem(m_ctx.m_tree.SelectedItem())));
    RefreshReport();
}

void CZRTForm::OnHeaderClicked(int column) {
    if (!m_bLoaded || column < 0 || column > 1) return;
    FillList(column, !m_ctx.m_doc.m_bSortAscending);
}

int CZRTForm::UpdateNode(TreeItem node, bool apply) {
    if (apply) ApplySelection(node);
    return 0;
}

void CZRTForm::ApplySelection(TreeItem node) {
    const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    const ArchRow* row = nullptr;
    if (!selected.isEmpty()) {
        const int index = m_pList->indexOfTopLevelItem(selected.front());
        if (index >= 0 && index < static_cast<int>(m_rows.size()))
            row = &m_rows[static_cast<size_t>(index)];
    }
    if (ApplyArchSelection(m_ctx.m_doc, m_ctx.m_tree, m_ctx.m_prompter, node, row) ==
        ApplyOutcome::Assigned)
        m_pCurrentArch->setText(FromBytes(row->m_strArch));
}

void CZRTForm::OnReset() {
    if (ResetCurrentArch(m_ctx.m_doc, m_ctx.m_tree, m_ctx.m_prompter)) {
        const int n = m_ctx.m_doc.FindNodeByItem(m_ctx.m_tree.SelectedItem());
        if (n >= 0) m_pCurrentArch->setText(FromBytes(m_ctx.m_doc.m_nodes[n].m_strArch));
        RecordEdit(ResetLabel(m_ctx.m_doc, n));
    }
    RefreshReport();
}

void CZRTForm::OnCurrentArchChanged() {
    m_pReset->setEnabled(IsResetEnabled(m_ctx.m_doc, m_ctx.m_tree, m_ctx.m_prompter,
                                        ToBytes(m_pCurrentArch->text())));
}

void CZRTForm::OnEdit() {
    const std::optional<ArchEdit> edit = BeginArchEdit(m_ctx.m_doc, m_ctx.m_tree, m_ctx.m_prompter);
    if (!edit) return;
    QString arch = FromBytes(edit->m_strArch);
    QString name = FromBytes(edit->m_strName);
    for (;;) {
        ArchEntryDlg dialog(arch, name, edit->m_bArchEditable, this);
        if (dialog.exec() != QDialog::Accepted) return;
        arch = dialog.Arch();
        name = dialog.Name();
        const ArchEditResult result = FinishArchEdit(m_ctx.m_doc, m_ctx.m_tree, m_ctx.m_prompter,
                                                     *edit, ToBytes(arch), ToBytes(name));
        if (result == ArchEditResult::Unchanged) return;
        if (result == ArchEditResult::Applied) break;
    }
    RecordEdit(ArchEditLabel(m_ctx.m_doc, edit->m_nIndex));
    // Selecting the input again shows a fresh page with the new values.
    const TreeItem item = m_ctx.m_doc.m_nodes[static_cast<size_t>(edit->m_nIndex)].m_hItem;
    m_ctx.m_tree.SelectItem(m_ctx.m_tree.RootItem());
    m_ctx.m_tree.SelectItem(item);
}

void CZRTForm::OnCurrentItemOnlyClicked() {
    StoreConflictsForCurrentItemOnly(m_ctx.m_profile, m_pCurrentItemOnly->isChecked());
    RefreshReport();
}
