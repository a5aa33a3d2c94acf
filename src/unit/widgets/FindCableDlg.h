#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "unit/link/SerialPortList.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

// Finds the port of the unit's cable: the ports there are with the cable
// unplugged, compared with those there are once it is plugged in. Those that
// came with the cable are offered; the one chosen is Chosen().
class FindCableDlg : public QDialog {
    Q_OBJECT
public:
    using PortLister = std::function<std::vector<SerialPortEntry>()>;
    static constexpr int kPollMs = 500;
    // After this long without a new port, the dialog says what may be wrong.
    static constexpr int kNothingYetMs = 20000;

    FindCableDlg(PortLister lister, QWidget* parent = nullptr);

    const SerialPortEntry& Chosen() const { return m_chosen; }

    QLabel* Instruction() const { return m_pInstruction; }
    QListWidget* Found() const { return m_pFound; }
    QPushButton* NextButton() const { return m_pNext; }
    QPushButton* UseButton() const { return m_pUse; }

private:
    void TakeBefore();
    void Look();
    void Use();

    PortLister m_lister;
    std::vector<SerialPortEntry> m_before;
    std::vector<SerialPortEntry> m_found;
    SerialPortEntry m_chosen;
    int m_nWaitedMs = 0;

    QLabel* m_pInstruction;
    QProgressBar* m_pWaiting;
    QListWidget* m_pFound;
    QPushButton* m_pNext;
    QPushButton* m_pUse;
    QTimer* m_pPoll;
};
