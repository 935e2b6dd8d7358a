// Tag, the tag layout editor: on the terminal. Everything it reads and writes lies in
// the current directory.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/posix_env.h"
#include "common/startup.h"
#include "tag/terminal/tag_terminal.h"

int main(int argc, char** argv) {
  const common::ProgramInfo info{"tag", "Tag",
                                 "Edits the price tag layout of a Brillora store.",
                                 tag::kTerminalHelp};
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  // The windows are not there yet: the terminal serves both cases.
  common::PosixEnv env(".");
  return tag::RunTagTerminal(env, std::cin, std::cout, std::cerr, info);
}
