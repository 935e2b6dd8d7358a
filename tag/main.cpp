// Tag, the tag layout editor: in windows when a display is there, else (or
// with --terminal) on the terminal. Everything it reads and writes lies in
// the current directory.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/default_env.h"
#include "common/startup.h"
#include "common/terminal/console.h"
#include "tag/terminal/tag_terminal.h"
#include "tag/window_front_end.h"

int main(int argc, char** argv) {
  common::PrepareConsole();
  const common::ProgramInfo info{"tag", "Tag",
                                 "Edits the price tag layout of a Brillora store.",
                                 tag::kTerminalHelp};
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::DefaultEnv env(".");
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return tag::RunTagTerminal(env, std::cin, std::cout, std::cerr, info);
  }

  // The command line was read above; Qt sees none of it.
  int qt_argc = 1;
  return tag::RunWindows(qt_argc, argv, env, info);
}
