// The stand-in for the window front end in a build without windows: the
// terminal front end, on the program's own console.

#include <iostream>

#include "cleanslate/terminal_view.h"
#include "cleanslate/window_front_end.h"

namespace cleanslate {

int RunWindows(int /*argc*/, char** /*argv*/, common::Env& env, RandomSource& random,
               Clock& clock) {
  return RunTerminal(std::cin, std::cout, std::cerr, env, random, clock);
}

int RunRestoreWindow(int /*argc*/, char** /*argv*/, common::Env& env,
                     const std::optional<std::string>& name) {
  return RunRestoreTerminal(env, name);
}

}  // namespace cleanslate
