#pragma once

#include <QDialog>

#include "document/CMainState.h"

class QTableWidget;

// The cells a failed verify found different: how many in all, and for the
// first of them the address, the value written and the value read back.
class CVerifyDetailsDlg : public QDialog {
    Q_OBJECT
public:
    CVerifyDetailsDlg(const CMainState& state, QWidget* parent = nullptr);

    QTableWidget* Cells() const { return m_pCells; }

private:
    QTableWidget* m_pCells;
};
