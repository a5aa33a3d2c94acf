#include "pages/widgets/ArchRowPictures.h"

#include <QPainter>
#include <QPixmap>

#include "pages/ArchList.h"
#include "tree/widgets/TreePictures.h"

namespace {

constexpr int kSize = 16;
constexpr int kGap = 2;

KeyPicture PictureOf(int icon) {
    switch (icon) {
        case kListIconConflict:
            return KeyPicture::Conflict;
        case kListIconNonPageable:
            return KeyPicture::NonPageable;
        case kListIconUnassigned:
            return KeyPicture::UnassignedPageable;
        default:
            return KeyPicture::AssignedPageable;
    }
}

QIcon Compose(int icon, bool conflict) {
    QPixmap pm(ArchRowIconSize());
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (conflict) p.drawPixmap(0, 0, KeyPixmap(KeyPicture::Conflict));
    p.drawPixmap(kSize + kGap, 0, KeyPixmap(PictureOf(icon)));
    p.end();
    return QIcon(pm);
}

}  // namespace

QSize ArchRowIconSize() { return {2 * kSize + kGap, kSize}; }

QIcon ArchRowIcon(int icon, int state) {
    const int picture =
        icon >= kListIconConflict && icon <= kListIconUnassigned ? icon : kListIconAssigned;
    return Compose(picture, state == kListStateConflict);
}
