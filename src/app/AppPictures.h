#pragma once

#include <QIcon>
#include <QPixmap>

// The window's own pictures, SVG files compiled in (resources/pictures) and
// drawn at the screen's scale.

// The program's icon.
QIcon AppIcon();
// The picture of the start-up window and the start view, 400 x 199 pixels.
QPixmap StartPicture();
// The 16 x 16 picture of a toolbar command.
QIcon ToolIcon(int command);
