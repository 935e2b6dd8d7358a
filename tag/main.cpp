#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/startup.h"

int main(int argc, char** argv) {
  const common::ProgramInfo info{"tag", "Tag",
                                 "Edits the price tag layout of a Brillora store.", ""};
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;
  return 0;
}
