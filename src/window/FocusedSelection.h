#pragma once

class QAbstractItemView;

// Lets a list show whether the arrow keys go to it: its selection has the
// desktop's highlight while it has the keyboard focus and a quiet grey, with
// the usual text colour, while the focus is elsewhere.
void ShowFocusInSelection(QAbstractItemView& view);
