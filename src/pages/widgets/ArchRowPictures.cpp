#include "pages/widgets/ArchRowPictures.h"

#include "pages/ArchList.h"
#include "tree/widgets/TreePictures.h"

namespace {

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

}  // namespace

QSize ArchRowIconSize() { return SideBySideSize(); }

QIcon ArchRowIcon(int icon, int state) {
    const int picture =
        icon >= kListIconConflict && icon <= kListIconUnassigned ? icon : kListIconAssigned;
    return SideBySideIcon(state == kListStateConflict ? KeyIcon(KeyPicture::Conflict) : QIcon(),
                          KeyIcon(PictureOf(picture)));
}
