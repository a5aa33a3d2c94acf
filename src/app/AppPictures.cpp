#include "app/AppPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "app/AppMessages.h"
#include "model/CommandIds.h"

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kNavy(30, 60, 110);
const QColor kSignal(40, 170, 60);
const QColor kAmber(255, 190, 30);

// The switcher front: a dark rack unit with a row of green and amber lights.
void DrawSwitcher(QPainter& p, const QRectF& box) {
    p.setPen(QPen(kInk, box.height() / 24));
    p.setBrush(QColor(60, 70, 85));
    p.drawRoundedRect(box, box.height() / 8, box.height() / 8);
    const int lights = 8;
    const qreal step = box.width() / (lights + 1);
    const qreal r = std::min(step, box.height()) / 5;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < lights; ++i) {
        p.setBrush(i % 3 == 2 ? kAmber : kSignal);
        p.drawEllipse(QPointF(box.left() + step * (i + 1), box.center().y()), r, r);
    }
}

QPixmap Canvas(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap DrawNew() {
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(12, 12), 3, 3);
    return pm;
}

QPixmap DrawOpen() {
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 180, 70));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(13.5, 5);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 210, 100));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
    return pm;
}

QPixmap DrawSave() {
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 100, 170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    return pm;
}

QPixmap DrawPrint() {
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(10, 13));
    return pm;
}

// Write and Read: the unit with an arrow into it or out of it.
QPixmap DrawTransfer(bool intoUnit) {
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSwitcher(p, QRectF(0.5, 10.5, 15, 5));
    QPainterPath arrow;
    const qreal tip = intoUnit ? 9.5 : 0.5;
    const qreal tail = intoUnit ? 0.5 : 9.5;
    arrow.moveTo(8, tip);
    arrow.lineTo(12.5, intoUnit ? tip - 4.5 : tip + 4.5);
    arrow.lineTo(10, intoUnit ? tip - 4.5 : tip + 4.5);
    arrow.lineTo(10, tail);
    arrow.lineTo(6, tail);
    arrow.lineTo(6, intoUnit ? tip - 4.5 : tip + 4.5);
    arrow.lineTo(3.5, intoUnit ? tip - 4.5 : tip + 4.5);
    arrow.closeSubpath();
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(intoUnit ? QColor(220, 80, 50) : kSignal);
    p.drawPath(arrow);
    return pm;
}

QPixmap DrawClock() {
    QPixmap pm = Canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(kNavy, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    return pm;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pm = Canvas(size, size);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, size / 32.0));
        p.setBrush(kNavy);
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
        DrawSwitcher(p, QRectF(size * 0.12, size * 0.55, size * 0.76, size * 0.28));
        p.setPen(Qt::NoPen);
        p.setBrush(kAmber);
        p.drawPolygon(QPolygonF({QPointF(size * 0.3, size * 0.16), QPointF(size * 0.7, size * 0.16),
                                 QPointF(size * 0.5, size * 0.45)}));
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap StartPicture() {
    QPixmap pm(400, 199);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 199);
    sky.setColorAt(0, QColor(24, 48, 92));
    sky.setColorAt(1, QColor(52, 96, 160));
    p.fillRect(pm.rect(), sky);
    DrawSwitcher(p, QRectF(40, 118, 320, 44));
    QFont big("DejaVu Sans");
    big.setPixelSize(34);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 22, 400, 44), Qt::AlignHCenter | Qt::AlignVCenter, "NEXIL");
    QFont small("DejaVu Sans");
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRectF(0, 68, 400, 24), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromLatin1(AppMessages::kAppTitle));
    p.setPen(QColor(170, 190, 220));
    small.setPixelSize(11);
    p.setFont(small);
    p.drawText(QRectF(0, 172, 400, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromLatin1(AppMessages::kAboutLine2));
    return pm;
}

QIcon ToolIcon(int command) {
    switch (command) {
        case kCmdFileNew:
            return QIcon(DrawNew());
        case kCmdFileOpen:
            return QIcon(DrawOpen());
        case kCmdFileSave:
            return QIcon(DrawSave());
        case kCmdPrint:
            return QIcon(DrawPrint());
        case kCmdWriteUnit:
            return QIcon(DrawTransfer(true));
        case kCmdReadUnit:
            return QIcon(DrawTransfer(false));
        case kCmdSetTime:
            return QIcon(DrawClock());
        default:
            return {};
    }
}
