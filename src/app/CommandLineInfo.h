#pragma once

#include <optional>

// Answers `zrtpro --help` and `zrtpro --version` before any window system is
// touched, so that they work without a display. Returns the exit status when
// the first argument asked for one of them.
std::optional<int> AnswerInfoOption(int argc, char** argv);
