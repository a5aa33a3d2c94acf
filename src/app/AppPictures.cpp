#include "app/AppPictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>

#include "app/AppMessages.h"
#include "model/CommandIds.h"

namespace {

QIcon Picture(const char* name) {
    return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
}

// The program's words on the start picture, centred in a band across it.
void Caption(QPainter& p, const QRectF& band, int pixels, bool bold, const QColor& colour,
             const QString& text) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, text);
}

}  // namespace

QIcon AppIcon() { return Picture("app"); }

QPixmap StartPicture() {
    const QSize size(400, 199);
    QPixmap pm = Picture("start").pixmap(size, qApp->devicePixelRatio());
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Caption(p, QRectF(0, 22, 400, 44), 34, true, Qt::white, QStringLiteral("NEXIL"));
    Caption(p, QRectF(0, 68, 400, 24), 15, false, QColor(220, 230, 245),
            QCoreApplication::translate("Window", WindowMessages::kAppTitle));
    Caption(p, QRectF(0, 172, 400, 20), 11, false, QColor(170, 190, 220),
            QCoreApplication::translate("App", AppMessages::kAboutLine2));
    return pm;
}

QIcon ToolIcon(int command) {
    switch (command) {
        case kCmdFileNew:
            return Picture("new");
        case kCmdFileOpen:
            return Picture("open");
        case kCmdFileSave:
            return Picture("save");
        case kCmdPrint:
            return Picture("print");
        case kCmdWriteUnit:
            return Picture("write");
        case kCmdReadUnit:
            return Picture("read");
        case kCmdSetTime:
            return Picture("clock");
        case kCmdEditUndo:
            return Picture("undo");
        case kCmdEditRedo:
            return Picture("redo");
        default:
            return {};
    }
}
