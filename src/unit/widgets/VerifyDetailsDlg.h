#pragma once

#include <QDialog>

#include "document/MainState.h"

class QTableWidget;

// The cells a failed verify found different: how many in all, and for the
// first of them the address, the value written and the value read back.
class VerifyDetailsDlg : public QDialog {
    Q_OBJECT
public:
    VerifyDetailsDlg(const MainState& state, QWidget* parent = nullptr);

    QTableWidget* Cells() const { return m_pCells; }

private:
    QTableWidget* m_pCells;
};
