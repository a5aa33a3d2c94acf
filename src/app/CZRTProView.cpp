#include "app/CZRTProView.h"

#include <qdrawutil.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "app/AppMessages.h"
#include "app/AppPictures.h"

namespace {

constexpr int kPictureTop = 200;

}  // namespace

CZRTProView::CZRTProView(QWidget* parent) : QWidget(parent) {
    setObjectName("startView");
    setAutoFillBackground(true);
    m_pPicture = new QLabel(this);
    m_pPicture->setPixmap(StartPicture());
    m_pPicture->setAlignment(Qt::AlignCenter);
}

void CZRTProView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const QString text = QCoreApplication::translate("App", AppMessages::kStartText);
    // The box holds the English text with room to spare, and a longer translation whole.
    const int w = std::max(fm.horizontalAdvance(QString::fromLatin1(AppMessages::kStartMeasure)),
                           fm.horizontalAdvance(text.trimmed() + QStringLiteral("XXXX")));
    const int h = fm.height();
    const int clientWidth = width();
    const int d = w < clientWidth ? (clientWidth - w + 1) / 2 : 0;
    QRect box(QPoint(d + 2, 20), QPoint(w + d, 5 * h + 30));
    p.fillRect(box, Qt::white);
    qDrawWinPanel(&p, box, palette(), false);
    box.adjust(1, -1, 1, -1);
    qDrawWinPanel(&p, box, palette(), false);
    box.adjust(2, -2, -2, 2);
    p.setPen(Qt::black);
    p.setBackground(Qt::white);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
}

void CZRTProView::resizeEvent(QResizeEvent* event) {
    m_pPicture->setGeometry(0, kPictureTop, event->size().width(),
                            std::max(0, event->size().height() - kPictureTop));
    QWidget::resizeEvent(event);
}
