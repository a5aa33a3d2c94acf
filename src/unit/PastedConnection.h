#pragma once

#include <optional>
#include <string>

#include "unit/ConnectionAddress.h"

// A connection pasted into the connection dialog as the command-line tool
// writes it ("tcp:HOST:PORT", "serial:DEVICE[:BAUD]"), blanks around it
// ignored; nothing for any other text, which is pasted as text.
std::optional<ConnectionAddress> PastedConnection(const std::string& text);
