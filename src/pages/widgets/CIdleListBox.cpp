#include "pages/widgets/CIdleListBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

CIdleListBox::CIdleListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
}

void CIdleListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    m_nPressLine = indexAt(event->position().toPoint()).row();
    m_pressPos = event->position().toPoint();
    m_bDragging = false;
}

void CIdleListBox::mouseMoveEvent(QMouseEvent* event) {
    if (m_nPressLine < 0) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!m_bDragging) {
        if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance()) return;
        m_bDragging = true;
        m_bDragAccepted = !m_canDrag || m_canDrag(m_nPressLine);
        setCursor(m_bDragAccepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    }
    if (m_bDragAccepted) {
        m_nDropLine = indexAt(pos).row();
        viewport()->update();
    }
}

void CIdleListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_bDragging) {
        m_nPressLine = -1;
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    const int from = m_nPressLine;
    const int before = indexAt(event->position().toPoint()).row();
    const bool accepted = m_bDragAccepted;
    EndDrag();
    QListWidget::mouseReleaseEvent(event);
    if (accepted && before >= 0) emit LineDropped(from, before);
}

void CIdleListBox::EndDrag() {
    m_bDragging = false;
    m_nPressLine = m_nDropLine = -1;
    unsetCursor();
    viewport()->update();
}

void CIdleListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!m_bDragging || !m_bDragAccepted || m_nDropLine < 0) return;
    // The line the dragged one will stand before.
    const QRect target = visualRect(model()->index(m_nDropLine, 0));
    QPainter p(viewport());
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawLine(target.topLeft(), target.topRight());
}
