#include "document/widgets/DiffDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "document/CsvText.h"
#include "model/ShownText.h"
#include "window/ReadablePalette.h"
#include "window/WindowMessages.h"

namespace {

// A difference's text as shown: translated words in UTF-8, names as the unit
// keeps them (Latin-1).
QString Shown(const std::string& text) { return QString::fromStdString(TextAsUtf8(text)); }

QString CountText(size_t count) {
    namespace M = WindowMessages;
    if (count == 0) return QCoreApplication::translate("Window", M::kDiffNone);
    if (count == 1) return QCoreApplication::translate("Window", M::kDiffOne);
    return QCoreApplication::translate("Window", M::kDiffMany).arg(count);
}

// A cell as one field of a tab-separated line, never taken for a formula.
QString Field(const QTableWidgetItem* item) {
    QString text = item ? item->text() : QString();
    for (QChar& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return QString::fromStdString(FormulaSafeCell(text.toStdString()));
}

}  // namespace

DiffDialog::DiffDialog(const std::vector<DiffItem>& items, const QString& caption,
                       const QString& otherHeading, Mode mode, QWidget* parent)
    : QDialog(parent), m_pTable(new QTableWidget(static_cast<int>(items.size()), 3, this)) {
    namespace M = WindowMessages;
    setWindowTitle(caption);
    auto* count = new QLabel(CountText(items.size()), this);
    count->setObjectName("diffCount");

    m_pTable->setObjectName("diffTable");
    m_pTable->setAccessibleName(QCoreApplication::translate("Window", M::kDiffTableName));
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("Window", M::kDiffItem),
                                         QCoreApplication::translate("Window", M::kDiffThis),
                                         otherHeading});
    m_pTable->verticalHeader()->hide();
    m_pTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setAlternatingRowColors(true);
    m_pTable->setWordWrap(false);
    for (size_t r = 0; r < items.size(); ++r) {
        const DiffItem d = ShownDiffItem(items[r]);
        int column = 0;
        for (const std::string* value : {&d.m_strItem, &d.m_strThis, &d.m_strOther}) {
            auto* cell = new QTableWidgetItem(Shown(*value));
            // A screen reader hears which side a value is from.
            if (column > 0)
                cell->setData(Qt::AccessibleDescriptionRole,
                              m_pTable->horizontalHeaderItem(column)->text());
            m_pTable->setItem(static_cast<int>(r), column++, cell);
        }
        // The item as the configuration names it, to find its page.
        const std::string& item = items[r].m_strItem;
        m_pTable->item(static_cast<int>(r), 0)
            ->setData(Qt::UserRole,
                      QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    }
    m_pTable->resizeColumnsToContents();
    for (int c = 0; c < 2; ++c)
        m_pTable->setColumnWidth(c,
                                 m_pTable->columnWidth(c) + fontMetrics().averageCharWidth() * 3);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setVisible(!items.empty());
    if (!items.empty()) m_pTable->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);

    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (!m_pTable->isEnabled()) return;
        if (const QTableWidgetItem* item = m_pTable->item(row, 0))
            emit ItemActivated(item->data(Qt::UserRole).toString());
    });

    auto* copyRows = new QAction(m_pTable);
    copyRows->setShortcut(QKeySequence::Copy);
    copyRows->setShortcutContext(Qt::WidgetShortcut);
    m_pTable->addAction(copyRows);
    connect(copyRows, &QAction::triggered, this, [this] { CopyToClipboard(true); });

    const bool confirm = mode == Mode::Confirm && !items.empty();
    auto* buttons = new QDialogButtonBox(
        confirm ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close, this);
    if (!items.empty()) {
        QPushButton* copy = buttons->addButton(QCoreApplication::translate("Window", M::kDiffCopy),
                                               QDialogButtonBox::ActionRole);
        copy->setObjectName("diffCopy");
        copy->setToolTip(QCoreApplication::translate("Window", M::kDiffCopyTip));
        copy->setAutoDefault(false);
        connect(copy, &QPushButton::clicked, this, [this] { CopyToClipboard(false); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count);
    layout->addWidget(m_pTable, 1);
    if (items.empty()) layout->addStretch(1);
    layout->addWidget(buttons);
    resize(items.empty() ? QSize(360, 120) : QSize(720, 440));
    m_pTable->setFocus(Qt::OtherFocusReason);
}

QString DiffDialog::Text(bool selectedOnly) const {
    std::set<int> rows;
    if (selectedOnly)
        for (const QModelIndex& index : m_pTable->selectionModel()->selectedRows())
            rows.insert(index.row());
    if (rows.empty())
        for (int r = 0; r < m_pTable->rowCount(); ++r) rows.insert(r);
    QString text;
    for (int c = 0; c < m_pTable->columnCount(); ++c)
        text += (c ? "\t" : "") + Field(m_pTable->horizontalHeaderItem(c));
    text += '\n';
    for (int r : rows) {
        for (int c = 0; c < m_pTable->columnCount(); ++c)
            text += (c ? "\t" : "") + Field(m_pTable->item(r, c));
        text += '\n';
    }
    return text;
}

void DiffDialog::SetThisHeading(const QString& heading) {
    m_pTable->horizontalHeaderItem(1)->setText(heading);
}

void DiffDialog::CopyToClipboard(bool selectedOnly) const {
    QApplication::clipboard()->setText(Text(selectedOnly));
}

void DiffDialog::AskBeforeWriting(const QStringList& notes, bool warn, const QString& countLine,
                                  const QString& acceptText) {
    if (auto* count = findChild<QLabel*>("diffCount")) count->setText(countLine);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    for (int i = 0; i < notes.size(); ++i) {
        auto* note = new QLabel(notes[i], this);
        note->setObjectName(QString("writeNote%1").arg(i));
        note->setWordWrap(true);
        if (warn && i == 0) ShowAsWarning(*note);
        layout->insertWidget(i, note);
    }
    auto* buttons = findChild<QDialogButtonBox*>();
    buttons->setStandardButtons(QDialogButtonBox::Cancel);
    QPushButton* write = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    write->setObjectName("diffWrite");
    write->setAutoDefault(false);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setDefault(true);
    cancel->setFocus(Qt::OtherFocusReason);
}

void DiffDialog::ShowOutOfDate(const QString& note, const QString& againText) {
    if (findChild<QLabel*>("diffOutOfDate")) return;
    auto* label = new QLabel(note, this);
    label->setObjectName("diffOutOfDate");
    label->setWordWrap(true);
    label->setStyleSheet("font-weight: bold;");
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, label);
    label->show();
    m_pTable->setEnabled(false);
    auto* buttons = findChild<QDialogButtonBox*>();
    QPushButton* again = buttons->addButton(againText, QDialogButtonBox::ActionRole);
    again->setObjectName("diffCompareAgain");
    connect(again, &QPushButton::clicked, this, &DiffDialog::CompareAgain);
    again->show();
    again->setDefault(true);
    again->setFocus(Qt::OtherFocusReason);
}
