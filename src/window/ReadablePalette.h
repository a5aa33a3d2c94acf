#pragma once

#include "model/ReadableColours.h"

class QProgressBar;
class QWidget;

// Draws the window with the palette `choice` names: the desktop's own, or
// one of the program's under the Fusion style, which follows a palette
// whole. Every window open follows at once.
void ApplyPaletteChoice(PaletteChoice choice);

// Shows a warning's text in a red that reads on the palette of the moment,
// bold, so that the words and their weight tell it as well as the colour.
// The colour follows every change of palette.
void ShowAsWarning(QWidget& text);

// A field that shows a value without taking input, drawn on the window's
// colour rather than as an entry field, whatever the palette.
void ShowOnWindowColour(QWidget& field);

// A progress bar filled in green whose figures read on the fill and beside it,
// whatever the palette.
void ShowGreenProgress(QProgressBar& bar);
