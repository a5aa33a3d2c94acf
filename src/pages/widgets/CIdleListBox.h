#pragma once

#include <QListWidget>
#include <functional>

// The idle loop list: its lines can be moved by dragging them with the mouse.
// Whether a drag may start on a line is the page's to say (never on the end
// marker); a refused drag shows that nothing can be dropped, and its drop does
// nothing.
class CIdleListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CIdleListBox(QWidget* parent = nullptr);

    std::function<bool(int line)> m_canDrag;

    bool DragAccepted() const { return m_bDragAccepted; }

signals:
    // A line dragged from `from` and dropped on line `before`.
    void LineDropped(int from, int before);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void EndDrag();

    bool m_bDragAccepted = true;
    bool m_bDragging = false;
    int m_nPressLine = -1;
    int m_nDropLine = -1;
    QPoint m_pressPos;
};
