#include "app/TreePaneSizer.h"

#include <QEvent>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr const char* kSplitterWidth = "SplitterWidth";
constexpr int kMostMinimum = 180;
// Room beside a label: the frame, the scroll bar's edge and the item margins.
constexpr int kLabelMargins = 24;

int Depth(const QTreeWidgetItem* item) {
    int depth = 0;
    for (const QTreeWidgetItem* p = item->parent(); p; p = p->parent()) ++depth;
    return depth;
}

// The part of a label that stays in view however narrow the pane: an input's
// place and number ("exp 8, inp 24, 9999"), without the name after two blanks.
QString KeptPart(const QString& label) {
    const qsizetype name = label.indexOf("  ");
    return name < 0 ? label : label.left(name);
}

}  // namespace

TreePaneSizer::TreePaneSizer(QSplitter& splitter, QTreeWidget& tree, Profile& profile,
                             int standardWidth)
    : QObject(&splitter), m_splitter(splitter), m_tree(tree), m_profile(profile) {
    const int saved = m_profile.GetInt(kSectionUserData, kSplitterWidth, -1);
    m_nPreferred = saved == -1 ? standardWidth : saved;
    Refresh();
    m_splitter.setSizes({m_nPreferred, 100});
    m_splitter.installEventFilter(this);
    connect(&m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_nPreferred = m_splitter.sizes().value(0); });
}

int TreePaneSizer::MinimumWidth() const {
    int widest = 0;
    int numbers = 0;
    const QFontMetrics metrics = m_tree.fontMetrics();
    for (QTreeWidgetItemIterator it(&m_tree); *it; ++it) {
        const int room =
            (Depth(*it) + 1) * m_tree.indentation() + m_tree.iconSize().width() + kLabelMargins;
        const QString label = (*it)->text(0);
        widest = std::max(widest, room + metrics.horizontalAdvance(label));
        numbers = std::max(numbers, room + metrics.horizontalAdvance(KeptPart(label)));
    }
    if (widest == 0) return kMostMinimum;
    return std::max(std::min(widest, kMostMinimum), numbers);
}

void TreePaneSizer::Refresh() {
    const int minimum = MinimumWidth();
    m_nPreferred = std::max(m_nPreferred, minimum);
    m_tree.setMinimumWidth(minimum);
}

void TreePaneSizer::Save() {
    const int width = std::max(m_splitter.sizes().value(0), MinimumWidth());
    m_profile.SetInt(kSectionUserData, kSplitterWidth, width);
}

bool TreePaneSizer::eventFilter(QObject* watched, QEvent* event) {
    // The splitter lays its panes out after this filter: the tree's share is
    // looked at once that is done.
    if (watched == &m_splitter && event->type() == QEvent::Resize && !m_bRebalancePosted) {
        m_bRebalancePosted = true;
        QTimer::singleShot(0, this, [this] {
            m_bRebalancePosted = false;
            Rebalance();
        });
    }
    return QObject::eventFilter(watched, event);
}

void TreePaneSizer::Rebalance() {
    const QList<int> sizes = m_splitter.sizes();
    if (sizes.size() < 2 || sizes[0] >= m_nPreferred) return;
    const QWidget* page = m_splitter.widget(1);
    const int pageMinimum = page ? page->minimumSizeHint().width() : 0;
    const int spare = sizes[1] - std::max(pageMinimum, page ? page->minimumWidth() : 0);
    if (spare <= 0) return;
    const int give = std::min(spare, m_nPreferred - sizes[0]);
    m_splitter.setSizes({sizes[0] + give, sizes[1] - give});
}
