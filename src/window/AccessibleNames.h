#pragma once

#include <QString>

// Lets a screen reader hear a combo box by its label ("Speed:", then the
// value) rather than by its value alone, which is what the toolkit names it
// after on Linux. Installed once, before the first window shows.
void InstallAccessibleComboBoxes();

// The name a screen reader gives a control labelled `labelText`: the label's
// words without the access key's mark ("&Port:" is "Port:").
QString NameOfLabel(const QString& labelText);
