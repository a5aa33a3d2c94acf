#include "tree/widgets/TreePictures.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

#include "tree/TreeSink.h"

namespace {

constexpr int kGap = 2;
// The scales a side-by-side icon is made at; Qt scales the nearest for others.
constexpr qreal kScales[] = {1.0, 2.0, 3.0};

// The icons live as long as the program: a tree of thousands of items shares
// a handful of pictures, each read and drawn once per size.
QIcon Picture(const char* name) {
    static auto* const loaded = new QHash<QString, QIcon>;
    const QString key = QString::fromLatin1(name);
    auto found = loaded->find(key);
    if (found == loaded->end())
        found = loaded->insert(key, QIcon(QStringLiteral(":/pictures/%1.svg").arg(key)));
    return *found;
}

}  // namespace

QIcon KeyIcon(KeyPicture picture) {
    switch (picture) {
        case KeyPicture::Conflict:
            return Picture("conflict");
        case KeyPicture::NonPageable:
            return Picture("non-pageable");
        case KeyPicture::AssignedPageable:
            return Picture("assigned-pageable");
        case KeyPicture::UnassignedPageable:
            return Picture("unassigned-pageable");
    }
    return {};
}

QIcon TreeImageIcon(int image) {
    switch (image) {
        case kImagePageable:
            return KeyIcon(KeyPicture::AssignedPageable);
        case kImageNonPageable:
            return KeyIcon(KeyPicture::NonPageable);
        case kImageRoot:
            return Picture("switcher");
        case kImageSettings:
            return Picture("settings");
        case kImageIdleLoop:
            return Picture("idle-loop");
        case kImageCiuPort:
            return Picture("ciu-port");
        default:
            return Picture("item");
    }
}

QIcon TreeStateIcon(int state) {
    switch (state) {
        case kStateConflict:
            return KeyIcon(KeyPicture::Conflict);
        case kStateClear:
            return Picture("clear");
        default:
            return {};
    }
}

QIcon TreeItemIcon(int image, int state) {
    static auto* const made = new QHash<QPair<int, int>, QIcon>;
    QIcon& icon = (*made)[{image, state}];
    if (icon.isNull()) icon = SideBySideIcon(TreeStateIcon(state), TreeImageIcon(image));
    return icon;
}

QSize SideBySideSize() { return {2 * kPictureSize + kGap, kPictureSize}; }

QIcon SideBySideIcon(const QIcon& left, const QIcon& right) {
    QIcon icon;
    for (const qreal scale : kScales) {
        QPixmap pm(SideBySideSize() * scale);
        pm.setDevicePixelRatio(scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        left.paint(&p, QRect(0, 0, kPictureSize, kPictureSize));
        right.paint(&p, QRect(kPictureSize + kGap, 0, kPictureSize, kPictureSize));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}
