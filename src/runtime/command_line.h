#pragma once

#include <optional>

namespace rt {

// The game takes no command line of its own, but answers --help and --version as desktop
// programs do, and refuses anything else that is not one of Qt's own options. Read before
// the application object exists, so that it answers without a display too. Returns the
// status to end the program with, or nothing when the game is to start; Qt's options are
// left in place for the application object.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace rt
