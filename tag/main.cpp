// Tag, the tag layout editor: in windows when a display is there, else (or
// with --terminal) on the terminal. Everything it reads and writes lies in
// the current directory.

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/platform/default_env.h"
#include "common/app/startup.h"
#include "common/app/terminal/backup_terminal.h"
#include "common/app/terminal/console.h"
#include "tag/tag_saves.h"
#include "tag/terminal/check_layouts_command.h"
#include "tag/terminal/tag_terminal.h"
#include "tag/window_front_end.h"

int main(int argc, char** argv) {
  common::PrepareConsole();
  const common::ProgramInfo info{
      "tag",
      "Tag",
      "Edits the price tag layout of a Brillora store.",
      tag::TerminalHelp() + tag::kCheckLayoutsHelp,
      {{"--list-backups", common::ProgramOption::Argument::kNone,
        "   list the backups of \"Set all back to default\", newest first, and end"},
       {"--restore", common::ProgramOption::Argument::kOptional,
        "[NAME]  put back the files of the backup NAME (the newest when none is\n"
        "                   named) after a question; the restore can be undone in turn"}}};
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (std::find(args.begin(), args.end(), tag::kCheckLayoutsOption) != args.end()) {
    common::DefaultEnv env(".");
    return tag::RunCheckLayouts(env, args, info, std::cout, std::cerr);
  }
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::DefaultEnv env(".");
  const std::string data_directory = common::CurrentDirectoryPath();
  // The command line was read above; Qt sees none of it.
  int qt_argc = 1;
  if (decision.option == "--list-backups" ||
      (decision.option == "--restore" && decision.front_end == common::FrontEnd::kTerminal)) {
    return common::RunBackupOptionTerminal(env, info, decision, tag::TagBackupOptions());
  }
  if (decision.option == "--restore") {
    return tag::RunBackupOptionWindow(qt_argc, argv, env, info, decision);
  }
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return tag::RunTagTerminal(env, std::cin, std::cout, std::cerr, info, data_directory);
  }
  return tag::RunWindows(qt_argc, argv, env, info, data_directory);
}
