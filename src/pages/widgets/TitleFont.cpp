#include "pages/widgets/TitleFont.h"

#include <QApplication>

const QFont& TitleFont() {
    static const QFont font = [] {
        QFont f = QApplication::font();
        f.setPointSize(12);
        f.setBold(true);
        f.setItalic(false);
        f.setUnderline(false);
        return f;
    }();
    return font;
}
