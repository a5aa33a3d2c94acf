#pragma once

#include <QObject>
#include <Qt>

#include "unit/LinkUiHooks.h"

class MainWindow;
class QTimer;

// How the main window shows a transfer with the unit: the progress page in
// the right pane, no close box, the commands refreshed for the busy state,
// the wait cursor, and afterwards the selected node's page and the window's
// own style again. After a write, a one-shot timer (853) lays the window out
// afresh.
class FrameLinkUi : public QObject, public LinkUiHooks {
    Q_OBJECT
public:
    static constexpr int kRelayoutTimerId = 853;
    static constexpr int kRelayoutMs = 100;

    explicit FrameLinkUi(MainWindow& frame);

    void ShowLinkPage(bool wasBusy) override;
    void RestorePage(int nodeIndex, TreeItem item) override;
    void SetWaitCursor(bool on) override;
    bool StartRelayoutTimer() override;
    // The differences dialog as the question "Write to Unit", Cancel the default.
    bool ConfirmWrite(const WriteConfirmation& what) override;

    bool RelayoutPending() const;

private:
    void SetFrameFlags(Qt::WindowFlags flags);
    void Relayout();

    MainWindow& m_frame;
    Qt::WindowFlags m_savedFlags;
    QTimer* m_pRelayout;
};
