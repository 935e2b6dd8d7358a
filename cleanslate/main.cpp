// Cleanslate, the data reset utility: the window when a display is there,
// the terminal otherwise (or with --terminal). It works on the data files of
// the current directory, or of the folder --data names.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cleanslate/action_runner.h"
#include "cleanslate/clock.h"
#include "cleanslate/program_info.h"
#include "cleanslate/random_source.h"
#include "cleanslate/terminal/plan_command.h"
#include "cleanslate/terminal/terminal_view.h"
#include "cleanslate/window_front_end.h"
#include "common/app/data_folder.h"
#include "common/app/program_main.h"
#include "common/app/startup.h"
#include "common/app/terminal/backup_terminal.h"
#include "common/app/terminal/console.h"
#include "common/platform/default_env.h"

namespace {

int Run(const std::vector<std::string>& args, char** argv, const common::ConsoleUse& console) {
  const common::ProgramInfo& info = cleanslate::CleanslateInfo();
  common::StartupDecision decision =
      common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;
  if (console.restore_on_terminal) decision.front_end = common::FrontEnd::kTerminal;
  // QApplication takes only the program name: the arguments are ours.
  int window_argc = 1;
  const std::optional<int> folder_status = common::SettleDataFolder(
      decision, info,
      [&](const std::string& start) { return cleanslate::AskDataFolder(window_argc, argv, start); },
      std::cerr);
  if (folder_status) return *folder_status;

  common::DefaultEnv env(".");
  const std::string data_directory = common::CurrentDirectoryPath();
  cleanslate::SystemRandomSource random;
  cleanslate::SystemClock clock(env);
  if (decision.option == "--list-backups" ||
      (decision.option == "--restore" && decision.front_end == common::FrontEnd::kTerminal)) {
    return common::RunBackupOptionTerminal(env, info, decision, cleanslate::BackupOptions());
  }
  if (decision.option == "--restore") {
    return cleanslate::RunBackupOptionWindow(window_argc, argv, env, decision);
  }
  if (decision.option == "--plan") {
    return cleanslate::RunPlanCommand(decision.argument, env, random, clock, std::cout, std::cerr);
  }
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return cleanslate::RunTerminal(std::cin, std::cout, std::cerr, env, random, clock,
                                   data_directory);
  }
  return cleanslate::RunWindows(window_argc, argv, env, random, clock, data_directory);
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
