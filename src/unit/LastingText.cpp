#include "unit/LastingText.h"

#include <set>

const char* LastingText(const std::string& text) {
    // A set's elements never move, so a pointer to one stays good.
    static std::set<std::string> kept;
    return kept.insert(text).first->c_str();
}
