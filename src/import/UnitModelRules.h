#pragma once

#include "model/Prompter.h"

// The OK button of the main unit model dialog. Fills `answer` from the two
// radios and the expansion list's selected index and returns null, or returns
// the message to show while the dialog stays open, in the person's language
// (held until the next call). Five or more camera
// interface units need the eight-port unit, whatever radio was chosen.
const char* UnitModelOk(bool fourPort, bool eightPort, int listIndex, UnitModelAnswer& answer);
