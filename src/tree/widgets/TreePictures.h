#pragma once

#include <QIcon>
#include <QSize>

// The four categories of the colour key; the tree uses the same pictures.
enum class KeyPicture { Conflict, NonPageable, AssignedPageable, UnassignedPageable };

// The pictures are SVG files compiled in (resources/pictures), 16 x 16, drawn
// for this program with dark outlines and saturated fills so that they read on
// light and dark themes alike, and sharp at every scale of the screen.
inline constexpr int kPictureSize = 16;

QIcon KeyIcon(KeyPicture picture);
// A picture of the tree's normal list (kImageDefault ... kImageCiuPort).
QIcon TreeImageIcon(int image);
// A picture of the tree's state list; none for kStateNone.
QIcon TreeStateIcon(int state);
// An item's icon: the state picture, then the normal picture, side by side.
QIcon TreeItemIcon(int image, int state);

// Two pictures side by side, 2 apart, so that what follows them stays aligned
// whether the left one is there or not; a null icon leaves its place clear.
QIcon SideBySideIcon(const QIcon& left, const QIcon& right);
QSize SideBySideSize();
