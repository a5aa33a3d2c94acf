#include "tree/widgets/FindBar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include "tree/TreeMessages.h"
#include "tree/widgets/CLeftTreeView.h"

namespace {

QToolButton* Button(QWidget* parent, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setToolTip(tip);
    // A screen reader says what the arrow or the cross means.
    button->setAccessibleName(button->toolTip());
    button->setAutoRaise(true);
    // A click leaves the focus in the text, where the keys work.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

FindBar::FindBar(CZRTProDoc& doc, CLeftTreeView& tree, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_tree(tree) {
    setObjectName("findBar");
    m_pText = new QLineEdit(this);
    m_pText->setObjectName("findText");
    m_pText->setPlaceholderText(
        QCoreApplication::translate("Tree", TreeMessages::kFindPlaceholder));
    m_pText->setAccessibleName(QCoreApplication::translate("Tree", TreeMessages::kFindName));
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName("findSummary");
    QToolButton* previous =
        Button(this, QCoreApplication::translate("Tree", TreeMessages::kFindPrevious));
    previous->setArrowType(Qt::UpArrow);
    QToolButton* next = Button(this, QCoreApplication::translate("Tree", TreeMessages::kFindNext));
    next->setArrowType(Qt::DownArrow);
    QToolButton* close =
        Button(this, QCoreApplication::translate("Tree", TreeMessages::kFindClose));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_pText, 1);
    layout->addWidget(m_pSummary);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(close);

    connect(m_pText, &QLineEdit::textChanged, this, [this] { Search(m_nFromNode, m_from); });
    connect(m_pText, &QLineEdit::returnPressed, this, &FindBar::FindNext);
    connect(previous, &QToolButton::clicked, this, &FindBar::FindPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::FindNext);
    connect(close, &QToolButton::clicked, this, &FindBar::Close);
    const auto key = [this](QKeySequence sequence, void (FindBar::*slot)()) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_F3), &FindBar::FindNext);
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::FindPrevious);
    key(QKeySequence(Qt::Key_Escape), &FindBar::Close);
    connect(&m_tree, &CLeftTreeView::ItemSelected, this,
            [this](TreeItem item) { OnTreeSelection(item); });
    hide();
}

// A typed search starts at the top of the tree; F3 goes on from the input shown.
void FindBar::Open() {
    m_nFromNode = -1;
    m_from = FindFrom::After;
    m_pSummary->clear();
    show();
    m_pText->setFocus(Qt::ShortcutFocusReason);
    m_pText->selectAll();
}

void FindBar::Close() {
    hide();
    m_tree.setFocus(Qt::OtherFocusReason);
}

void FindBar::FindNext() { Step(FindFrom::After); }

void FindBar::FindPrevious() { Step(FindFrom::Before); }

void FindBar::Step(FindFrom from) {
    const int chosen = Search(m_doc.FindNodeByItem(m_tree.SelectedItem()), from);
    if (chosen < 0) return;
    // Typing more from here keeps this match while it still matches.
    m_nFromNode = chosen;
    m_from = FindFrom::AtOrAfter;
}

int FindBar::Search(int node, FindFrom from) {
    const std::string text = m_pText->text().toLatin1().toStdString();
    const InputMatches matches = FindInputs(m_doc, text, node, from);
    m_pSummary->setText(QString::fromStdString(FindSummary(matches, text)));
    const int chosen = matches.ChosenNode();
    if (chosen < 0) return chosen;
    const TreeItem item = m_doc.m_nodes[static_cast<size_t>(chosen)].m_hItem;
    m_bSelecting = true;
    m_tree.SelectItem(item);
    m_tree.scrollToItem(CLeftTreeView::ToWidgetItem(item));
    m_bSelecting = false;
    return chosen;
}

void FindBar::OnTreeSelection(TreeItem item) {
    if (m_bSelecting || !item) return;
    m_nFromNode = -1;
    m_from = FindFrom::After;
}
