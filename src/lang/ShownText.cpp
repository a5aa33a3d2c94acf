#include "lang/ShownText.h"

#include "model/ShownText.h"

QString ShownText(const std::string& text) { return QString::fromUtf8(TextAsUtf8(text)); }
