// Tag, the tag layout editor: in windows when a display is there, else (or
// with --terminal) on the terminal. Everything it reads and writes lies in
// the current directory.

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/backup_commands.h"
#include "common/posix_env.h"
#include "common/qt/qt_messages.h"
#include "common/startup.h"
#include "common/terminal/terminal_io.h"
#include "common/terminal/terminal_messages.h"
#include "tag/terminal/check_layouts_command.h"
#include "tag/qt/tag_qt_app.h"
#include "tag/tag_saves.h"
#include "tag/terminal/tag_terminal.h"

int main(int argc, char** argv) {
  const common::ProgramInfo info{
      "tag",
      "Tag",
      "Edits the price tag layout of a Brillora store.",
      std::string(tag::kTerminalHelp) + tag::kCheckLayoutsHelp,
      {{"--list-backups", common::ProgramOption::Argument::kNone,
        "   list the backups of \"Set all back to default\", newest first, and end"},
       {"--restore", common::ProgramOption::Argument::kOptional,
        "[NAME]  put back the files of the backup NAME (the newest when none is\n"
        "                   named) after a question; the restore can be undone in turn"}}};
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (std::find(args.begin(), args.end(), tag::kCheckLayoutsOption) != args.end()) {
    common::PosixEnv env(".");
    return tag::RunCheckLayouts(env, args, info, std::cout, std::cerr);
  }
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::PosixEnv env(".");
  const std::string data_directory = common::CurrentDirectoryPath();
  // The command line was read above; Qt sees none of it.
  int qt_argc = 1;
  if (!decision.option.empty()) {
    const common::TransactionOptions options = tag::TagOptions("restore", true);
    auto run = [&](common::Messages& messages) {
      return common::RunReportingErrors(info, std::cout, std::cerr, [&] {
        return common::RunBackupOption(decision.option, decision.argument, env, messages,
                                       options, std::cout, std::cerr);
      });
    };
    if (decision.front_end == common::FrontEnd::kTerminal ||
        decision.option == "--list-backups") {
      common::TerminalIo io(std::cin, std::cout);
      common::TerminalMessages messages(io, info.title);
      return run(messages);
    }
    QApplication application(qt_argc, argv);
    common::QtMessages messages(QString::fromStdString(info.title), [] { return nullptr; });
    return run(messages);
  }
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return tag::RunTagTerminal(env, std::cin, std::cout, std::cerr, info, data_directory);
  }

  QApplication application(qt_argc, argv);
  tag::TagQtApp app(env, info, data_directory, std::cerr);
  if (!app.Start()) return 1;
  return app.Exec();
}
