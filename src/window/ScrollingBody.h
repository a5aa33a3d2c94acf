#pragma once

class QDialog;
class QWidget;

// Gives a dialog a body to lay its controls on that scrolls when the screen
// is smaller than they need (a large scale on a small screen): the dialog
// asks for the body's whole size, yet can shrink to fit the screen.
QWidget* ScrollingBody(QDialog& dialog);
