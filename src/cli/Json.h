#pragma once

#include <string>

// A JSON string literal of Latin-1 bytes, decoded to UTF-8.
std::string JsonString(const std::string& latin1);
