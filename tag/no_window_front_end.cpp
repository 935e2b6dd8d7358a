// The stand-in for the window front end in a build without windows: the
// terminal front end, on the program's own console.

#include <iostream>

#include "tag/terminal/tag_terminal.h"
#include "tag/window_front_end.h"

namespace tag {

int RunWindows(int /*argc*/, char** /*argv*/, common::Env& env, const common::ProgramInfo& info) {
  return RunTagTerminal(env, std::cin, std::cout, std::cerr, info);
}

}  // namespace tag
