#pragma once

class QApplication;
class QObject;
class QWidget;

// Every window and dialog of the program opens within the free area of its
// screen at any scale: one larger than the area shrinks to it (down to the
// least its contents can show; pages scroll below that), one that passes an
// edge moves back, so the title bar, the menu and the buttons stay on the
// screen. Installed for the whole application while `owner` (the main
// window) lives.
void InstallScreenFit(QApplication& application, QObject& owner);
// Fits one window now, as the installed rule does when it shows.
void FitToScreen(QWidget& window);
