#include "tree/widgets/TreePictures.h"

#include <QPainter>
#include <QPainterPath>

#include "tree/TreeSink.h"

namespace {

constexpr int kSize = 16;

const QColor kOutline(40, 40, 40);
const QColor kRed(220, 40, 40);
const QColor kGreen(40, 170, 60);
const QColor kYellow(255, 214, 0);
const QColor kSlate(110, 130, 160);
const QColor kBlue(50, 110, 200);
const QColor kWhite(255, 255, 255);

QPixmap Blank(int width = kSize) {
    QPixmap pixmap(width, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPen OutlinePen(qreal width = 1.0) { return QPen(kOutline, width); }

void Disc(QPainter& p, const QColor& fill) {
    p.setPen(OutlinePen());
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

QPixmap Conflict() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, kRed);
    p.setPen(QPen(kWhite, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 4), QPointF(8, 9.5));
    p.drawPoint(QPointF(8, 11.8));
    return pm;
}

QPixmap NonPageable() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, kSlate);
    p.setPen(QPen(kWhite, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 11), QPointF(11, 5));
    return pm;
}

QPixmap AssignedPageable() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, kGreen);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    return pm;
}

QPixmap UnassignedPageable() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, kGreen);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kWhite);
    p.drawEllipse(QRectF(5, 5, 6, 6));
    return pm;
}

QPixmap Clear() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 4);
    p.setPen(QPen(kOutline, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(90, 210, 90), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return pm;
}

// The switcher: a rack box with a row of port lights.
QPixmap Root() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(OutlinePen());
    p.setBrush(QColor(70, 80, 95));
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 9), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i < 2 ? kGreen.lighter(130) : kYellow);
        p.drawRect(QRectF(2.5 + i * 3, 7, 2, 2));
    }
    return pm;
}

// Settings: three sliders.
QPixmap Settings() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(OutlinePen());
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2, 2);
    const qreal knobs[] = {10, 5, 8};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 4 + i * 4;
        p.setPen(QPen(QColor(90, 90, 90), 1.0));
        p.drawLine(QPointF(3, y), QPointF(13, y));
        p.setPen(OutlinePen(0.8));
        p.setBrush(kBlue);
        p.drawRect(QRectF(knobs[i] - 1.5, y - 1.5, 3, 3));
    }
    return pm;
}

// The idle loop: an arrow running round.
QPixmap IdleLoop() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(2.5, 2.5, 11, 11);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 100 * 16, 290 * 16);
    p.setPen(QPen(QColor(240, 150, 30), 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(7, 0.5);
    head.lineTo(11.5, 3);
    head.lineTo(7, 6);
    head.closeSubpath();
    p.setPen(OutlinePen(0.8));
    p.setBrush(QColor(240, 150, 30));
    p.drawPath(head);
    return pm;
}

// A port carrying a camera interface unit: a box with its many inputs.
QPixmap CiuPort() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(OutlinePen());
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) p.drawRect(QRectF(2.5 + c * 3, 5 + r * 4, 2, 2));
    return pm;
}

QPixmap Default() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(OutlinePen());
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(3.5, 3.5, 9, 9), 1.5, 1.5);
    return pm;
}

}  // namespace

QPixmap KeyPixmap(KeyPicture picture) {
    switch (picture) {
        case KeyPicture::Conflict:
            return Conflict();
        case KeyPicture::NonPageable:
            return NonPageable();
        case KeyPicture::AssignedPageable:
            return AssignedPageable();
        case KeyPicture::UnassignedPageable:
            return UnassignedPageable();
    }
    return Blank();
}

QPixmap TreeImagePixmap(int image) {
    switch (image) {
        case kImagePageable:
            return AssignedPageable();
        case kImageNonPageable:
            return NonPageable();
        case kImageRoot:
            return Root();
        case kImageSettings:
            return Settings();
        case kImageIdleLoop:
            return IdleLoop();
        case kImageCiuPort:
            return CiuPort();
        default:
            return Default();
    }
}

QPixmap TreeStatePixmap(int state) {
    switch (state) {
        case kStateConflict:
            return Conflict();
        case kStateClear:
            return Clear();
        default:
            return Blank();
    }
}

QPixmap TreeItemPixmap(int image, int state) {
    QPixmap pm = Blank(2 * kSize + 2);
    QPainter p(&pm);
    p.drawPixmap(0, 0, TreeStatePixmap(state));
    p.drawPixmap(kSize + 2, 0, TreeImagePixmap(image));
    return pm;
}
