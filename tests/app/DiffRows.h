#pragma once

#include <QStringList>
#include <QTableWidget>
#include <ostream>
#include <vector>

#include "document/widgets/DiffDialog.h"

// Failures show the text of a QString.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The differences dialog's table as the user reads it, row by row.
inline std::vector<QStringList> DiffRows(const DiffDialog& dialog) {
    std::vector<QStringList> rows;
    const QTableWidget* table = dialog.Table();
    if (table->isHidden()) return rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c) row << table->item(r, c)->text();
        rows.push_back(row);
    }
    return rows;
}
