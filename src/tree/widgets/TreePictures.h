#pragma once

#include <QPixmap>

// The four categories of the colour key; the tree uses the same pictures.
enum class KeyPicture { Conflict, NonPageable, AssignedPageable, UnassignedPageable };

// 16 x 16 pictures, drawn for this program with dark outlines and saturated
// fills so that they read on light and dark themes alike.
QPixmap KeyPixmap(KeyPicture picture);
// A picture of the tree's normal list (kImageDefault ... kImageCiuPort).
QPixmap TreeImagePixmap(int image);
// A picture of the tree's state list; a transparent one for kStateNone.
QPixmap TreeStatePixmap(int state);
// An item's icon: the state picture, then the normal picture, side by side.
QPixmap TreeItemPixmap(int image, int state);
