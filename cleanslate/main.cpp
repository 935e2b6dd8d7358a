// Cleanslate, the data reset utility: the window when a display is there,
// the terminal otherwise (or with --terminal). It works on the data files of
// the current directory.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cleanslate/clock.h"
#include "cleanslate/program_info.h"
#include "cleanslate/random_source.h"
#include "cleanslate/terminal_view.h"
#include "cleanslate/window_front_end.h"
#include "common/default_env.h"
#include "common/startup.h"
#include "common/terminal/console.h"

int main(int argc, char** argv) {
  common::PrepareConsole();
  const common::ProgramInfo& info = cleanslate::CleanslateInfo();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const common::StartupDecision decision =
      common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::DefaultEnv env(".");
  cleanslate::SystemRandomSource random;
  cleanslate::SystemClock clock(env);
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return cleanslate::RunTerminal(std::cin, std::cout, std::cerr, env, random, clock);
  }
  // QApplication takes only the program name: the arguments are ours.
  int qt_argc = 1;
  return cleanslate::RunWindows(qt_argc, argv, env, random, clock);
}
