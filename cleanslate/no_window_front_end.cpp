// The stand-in for the window front end in a build without windows: the
// terminal front end, on the program's own console.

#include <iostream>

#include "cleanslate/action_runner.h"
#include "cleanslate/program_info.h"
#include "cleanslate/terminal/terminal_view.h"
#include "cleanslate/window_front_end.h"
#include "common/app/terminal/backup_terminal.h"

namespace cleanslate {

int RunWindows(int /*argc*/, char** /*argv*/, common::Env& env, RandomSource& random, Clock& clock,
               const std::string& data_directory) {
  return RunTerminal(std::cin, std::cout, std::cerr, env, random, clock, data_directory);
}

int RunBackupOptionWindow(int /*argc*/, char** /*argv*/, common::Env& env,
                          const common::StartupDecision& decision) {
  return common::RunBackupOptionTerminal(env, CleanslateInfo(), decision, BackupOptions());
}

std::optional<std::string> AskDataFolder(int /*argc*/, char** /*argv*/,
                                         const std::string& /*start*/) {
  return std::nullopt;
}

}  // namespace cleanslate
