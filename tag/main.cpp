// Tag, the tag layout editor: in windows when a display is there, else (or
// with --terminal) on the terminal. Everything it reads and writes lies in
// the current directory.

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/posix_env.h"
#include "common/startup.h"
#include "tag/qt/tag_qt_app.h"
#include "tag/terminal/tag_terminal.h"

int main(int argc, char** argv) {
  const common::ProgramInfo info{"tag", "Tag",
                                 "Edits the price tag layout of a Brillora store.",
                                 tag::kTerminalHelp};
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::PosixEnv env(".");
  const std::string data_directory = common::CurrentDirectoryPath();
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return tag::RunTagTerminal(env, std::cin, std::cout, std::cerr, info, data_directory);
  }

  // The command line was read above; Qt sees none of it.
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  tag::TagQtApp app(env, info, data_directory, std::cerr);
  if (!app.Start()) return 1;
  return app.Exec();
}
