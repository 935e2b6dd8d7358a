// Tag, the tag layout editor: in windows when a display is there, else (or
// with --terminal) on the terminal. Everything it reads and writes lies in
// the current directory.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/app/data_folder.h"
#include "common/app/program_main.h"
#include "common/app/startup.h"
#include "common/app/terminal/backup_terminal.h"
#include "common/app/terminal/console.h"
#include "common/platform/default_env.h"
#include "tag/program_info.h"
#include "tag/tag_saves.h"
#include "tag/terminal/check_layouts_command.h"
#include "tag/terminal/tag_terminal.h"
#include "tag/window_front_end.h"

namespace {

int Run(const std::vector<std::string>& args, char** argv, const common::ConsoleUse& console) {
  const common::ProgramInfo& info = tag::TagInfo();
  auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;
  if (console.restore_on_terminal) decision.front_end = common::FrontEnd::kTerminal;
  // The command line was read above; Qt sees none of it.
  int window_argc = 1;
  const std::optional<int> folder_status = common::SettleDataFolder(
      decision, info,
      [&](const std::string& start) { return tag::AskDataFolder(window_argc, argv, start); },
      std::cerr);
  if (folder_status) return *folder_status;

  common::DefaultEnv env(".");
  if (decision.option == tag::kCheckLayoutsOption) {
    return tag::RunCheckLayouts(env, info, std::cout, std::cerr);
  }
  const std::string data_directory = common::CurrentDirectoryPath();
  if (decision.option == "--list-backups" ||
      (decision.option == "--restore" && decision.front_end == common::FrontEnd::kTerminal)) {
    return common::RunBackupOptionTerminal(env, info, decision, tag::TagBackupOptions());
  }
  if (decision.option == "--restore") {
    return tag::RunBackupOptionWindow(window_argc, argv, env, decision);
  }
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return tag::RunTerminal(std::cin, std::cout, std::cerr, env, data_directory);
  }
  return tag::RunWindows(window_argc, argv, env, data_directory);
}

}  // namespace

int ProgramMain(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // A windowed program on Windows has no console until it needs one.
  const common::ConsoleUse console = common::ConnectConsoleFor(args);
  common::PrepareConsole();
  const int status = Run(args, argv, console);
  common::HoldConsole(console.kind, status, console.interactive, std::cin, std::cout);
  return status;
}
