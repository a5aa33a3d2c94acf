#include "unit/widgets/UnitHistoryDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "lang/ShownText.h"
#include "unit/widgets/UnitWidgetMessages.h"

namespace {

namespace M = UnitWidgetMessages;

// The connection a copy came over; the demonstration unit's in the user's language.
QString ConnectionText(const std::string& connection) {
    if (connection == M::kDemonstrationConnection)
        return QCoreApplication::translate("UnitWidgets", M::kDemonstrationUnitShown);
    return ShownText(connection);
}

// "2026-12-11T02:15:44+01:00" shown as "2026-12-11 02:15:44".
QString ShownTime(const std::string& iso) { return ShownText(iso.substr(0, 19)).replace('T', ' '); }

}  // namespace

UnitHistoryDlg::UnitHistoryDlg(const UnitHistory& history, Actions actions, QWidget* parent)
    : QDialog(parent),
      m_history(history),
      m_actions(std::move(actions)),
      m_pList(new QTreeWidget(this)) {
    setObjectName("unitHistory");
    setWindowTitle(QCoreApplication::translate("UnitWidgets", M::kHistoryTitle));
    auto* note = new QLabel(QCoreApplication::translate("UnitWidgets", M::kHistoryNote)
                                .arg(QDir::toNativeSeparators(ShownText(history.Folder()))),
                            this);
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_pList->setObjectName("historyList");
    m_pList->setAccessibleName(windowTitle());
    m_pList->setRootIsDecorated(false);
    m_pList->setAlternatingRowColors(true);
    m_pList->setHeaderLabels({QCoreApplication::translate("UnitWidgets", M::kHistoryTime),
                              QCoreApplication::translate("UnitWidgets", M::kHistoryKind),
                              QCoreApplication::translate("UnitWidgets", M::kHistoryConnection),
                              QCoreApplication::translate("UnitWidgets", M::kHistoryHeld),
                              QCoreApplication::translate("UnitWidgets", M::kHistoryWritten)});
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { Run(m_actions.m_compare); });

    auto* row = new QHBoxLayout;
    const auto add = [this, row](const char* name, const QString& text, auto slot) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
        m_entryButtons.push_back(button);
    };
    add("historyCompare", QCoreApplication::translate("UnitWidgets", M::kHistoryCompare),
        [this] { Run(m_actions.m_compare); });
    add("historyOpen", QCoreApplication::translate("UnitWidgets", M::kHistoryOpen),
        [this] { Run(m_actions.m_open); });
    add("historyRestore", QCoreApplication::translate("UnitWidgets", M::kHistoryRestore),
        [this] { Run(m_actions.m_restore); });
    add("historyDelete", QCoreApplication::translate("UnitWidgets", M::kHistoryDelete),
        [this] { DeleteSelected(); });
    row->addStretch(1);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    row->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_pList, 1);
    layout->addLayout(row);
    resize(820, 420);
    Refresh();
}

void UnitHistoryDlg::Refresh() {
    const int current = m_pList->currentIndex().isValid() ? m_pList->currentIndex().row() : 0;
    m_entries = m_history.List();
    m_pList->clear();
    for (const UnitHistoryEntry& e : m_entries)
        m_pList->addTopLevelItem(new QTreeWidgetItem(
            {ShownTime(e.m_strTime), ShownText(KindText(e.m_strKind)),
             ConnectionText(e.m_strConnection), ShownText(HeldText(e)), ShownText(e.m_strSite)}));
    for (int c = 0; c < m_pList->columnCount(); ++c) m_pList->resizeColumnToContents(c);
    if (!m_entries.empty())
        m_pList->setCurrentItem(
            m_pList->topLevelItem(std::min(current, static_cast<int>(m_entries.size()) - 1)));
    UpdateButtons();
}

QPushButton* UnitHistoryDlg::Button(const char* objectName) const {
    return findChild<QPushButton*>(objectName);
}

const UnitHistoryEntry* UnitHistoryDlg::Selected() const {
    const QModelIndex index = m_pList->currentIndex();
    if (!index.isValid() || index.row() >= static_cast<int>(m_entries.size())) return nullptr;
    return &m_entries[static_cast<size_t>(index.row())];
}

void UnitHistoryDlg::Run(const Action& action) {
    const UnitHistoryEntry* e = Selected();
    if (!e || !action) return;
    const UnitHistoryEntry entry = *e;
    action(entry);
    Refresh();
}

void UnitHistoryDlg::DeleteSelected() {
    const UnitHistoryEntry* e = Selected();
    if (!e) return;
    const QString question = QCoreApplication::translate("UnitWidgets", M::kHistoryDeleteQuestion)
                                 .arg(ShownTime(e->m_strTime));
    if (QMessageBox::question(this, QCoreApplication::translate("UnitWidgets", M::kHistoryTitle),
                              question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    m_history.Delete(*e);
    Refresh();
}

void UnitHistoryDlg::UpdateButtons() {
    const bool any = Selected() != nullptr;
    for (QPushButton* b : m_entryButtons) b->setEnabled(any);
}
