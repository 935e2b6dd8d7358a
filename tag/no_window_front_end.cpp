// The stand-in for the window front end in a build without windows: the
// terminal front end, on the program's own console.

#include <iostream>

#include "common/app/terminal/backup_terminal.h"
#include "tag/program_info.h"
#include "tag/tag_saves.h"
#include "tag/terminal/tag_terminal.h"
#include "tag/window_front_end.h"

namespace tag {

int RunWindows(int /*argc*/, char** /*argv*/, common::Env& env, const std::string& data_directory) {
  return RunTerminal(std::cin, std::cout, std::cerr, env, data_directory);
}

int RunBackupOptionWindow(int /*argc*/, char** /*argv*/, common::Env& env,
                          const common::StartupDecision& decision) {
  const common::ProgramInfo& info = TagInfo();
  return common::RunBackupOptionTerminal(env, info, decision, TagBackupOptions());
}

std::optional<std::string> AskDataFolder(int /*argc*/, char** /*argv*/,
                                         const std::string& /*start*/) {
  return std::nullopt;
}

}  // namespace tag
