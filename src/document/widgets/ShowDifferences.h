#pragma once

#include <QString>
#include <vector>

#include "document/ConfigDiff.h"

class DiffDialog;
class MainWindow;

// Shows the differences beside the main window without holding it: the user
// goes on working, and double-clicking a row selects the item it names in the
// tree, which shows its page. The dialog deletes itself when closed.
DiffDialog* ShowDifferences(MainWindow& frame, const std::vector<DiffItem>& items,
                            const QString& caption, const QString& otherHeading);
