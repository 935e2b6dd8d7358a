// The display check of Windows: a desktop is always there.
// Its --help words: the programs are windowed programs, their terminal a
// console window.

#include "common/platform/display.h"

namespace common {

DisplayStatus CheckDisplay(const std::function<const char*(const char*)>& /*getenv*/) {
  return {true, ""};
}

const char* TerminalOptionHelp() {
  return "  --terminal  run as text in a console window instead of the windows (on the\n"
         "              pipes or files it is given, when it is given them)\n";
}

const char* EndOfInputKeys() { return "Ctrl+Z then Enter"; }

}  // namespace common
