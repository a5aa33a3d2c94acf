#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "document/ConfigDiff.h"
#include "document/widgets/DiffDialog.h"

class MainWindow;

// The differences of one comparison, beside the main window without holding
// it: the user goes on working, and double-clicking a row selects the item it
// names in the tree, which shows its page. The dialog opens where the user
// left it last, else beside the main window where it covers least of it.
// Once what it compared is replaced (another configuration opened, read or
// imported, or the unit written) it says so, its rows act on nothing, and it
// offers to compare again.
class DifferencesWindow : public QObject {
    Q_OBJECT
public:
    // `current`: whether what was compared last is still what the window and
    // the unit hold. `compareAgain` runs the comparison anew.
    DifferencesWindow(MainWindow& frame, std::function<bool()> current,
                      std::function<void()> compareAgain);
    ~DifferencesWindow() override;

    // Shows `items` in place of the differences shown before.
    void Show(const std::vector<DiffItem>& items, const QString& caption,
              const QString& otherHeading);
    // Checks that what the dialog shows is still current (the window's command refresh).
    void Follow();

    DiffDialog* Dialog() const { return m_pDialog; }

private:
    void Place(DiffDialog& dialog) const;
    void KeepPlace() const;
    void Activated(const QString& item);

    MainWindow& m_frame;
    std::function<bool()> m_current;
    std::function<void()> m_compareAgain;
    QPointer<DiffDialog> m_pDialog;
};
