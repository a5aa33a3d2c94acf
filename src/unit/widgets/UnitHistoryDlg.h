#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "unit/UnitHistory.h"

class QPushButton;
class QTreeWidget;

// View > Unit History: the kept copies of units' memory, newest first, and
// what can be done with the one selected: compare it with the open
// configuration (also a double click), open it as the configuration, restore
// it to a unit, delete it. The commands themselves are the caller's.
class UnitHistoryDlg : public QDialog {
    Q_OBJECT
public:
    using Action = std::function<void(const UnitHistoryEntry&)>;
    struct Actions {
        Action m_compare;
        Action m_open;
        Action m_restore;
    };

    UnitHistoryDlg(const UnitHistory& history, Actions actions, QWidget* parent);

    // Lists the history again, keeping the selection where it can.
    void Refresh();
    QTreeWidget* List() const { return m_pList; }
    QPushButton* Button(const char* objectName) const;

private:
    const UnitHistoryEntry* Selected() const;
    void Run(const Action& action);
    void DeleteSelected();
    void UpdateButtons();

    UnitHistory m_history;
    Actions m_actions;
    std::vector<UnitHistoryEntry> m_entries;
    QTreeWidget* m_pList;
    std::vector<QPushButton*> m_entryButtons;
};
