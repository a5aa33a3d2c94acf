#pragma once

#include <QDialog>
#include <vector>

#include "document/ConfigDiff.h"

class QTableWidget;

// The differences between the open configuration and another: a table of the
// item, its value in this configuration and in the other, under a line that
// counts them ("No differences." when there are none). Copy (and Ctrl+C in
// the table) puts the table on the clipboard as tab-separated text, which a
// spreadsheet takes as it is. As a confirmation, before changes are applied,
// it asks OK or Cancel; otherwise, and whenever there is nothing to apply, it
// only closes. Double-clicking a row tells which item it names.
class DiffDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Show, Confirm };

    DiffDialog(const std::vector<DiffItem>& items, const QString& caption,
               const QString& otherHeading, Mode mode, QWidget* parent);

    // The header line, then the selected rows (every row when none is
    // selected or `selectedOnly` is false), tab-separated, one a line.
    QString Text(bool selectedOnly) const;
    void CopyToClipboard(bool selectedOnly) const;

    QTableWidget* Table() const { return m_pTable; }
    // Heads the column of the values being applied, "This configuration" unless set.
    void SetThisHeading(const QString& heading);

    // Makes the dialog the question before a unit is written: `notes` head it
    // (a warning first, in bold when `warn`), `countLine` replaces the count,
    // and it ends with `acceptText` (accepts) and Cancel, Cancel the default.
    void AskBeforeWriting(const QStringList& notes, bool warn, const QString& countLine,
                          const QString& acceptText);

    // What was compared has been replaced: `note` heads the dialog, the rows
    // are greyed and act on nothing, and `againText` compares anew.
    void ShowOutOfDate(const QString& note, const QString& againText);

signals:
    // A row was double-clicked; `item` is its first column, as the comparison named it.
    void ItemActivated(const QString& item);
    // The button ShowOutOfDate adds was pressed.
    void CompareAgain();

private:
    QTableWidget* m_pTable;
};
