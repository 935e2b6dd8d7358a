// Tag, the tag layout editor: in windows when a display is there, else (or
// with --terminal) on the terminal. Everything it reads and writes lies in
// the current directory.

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/posix_env.h"
#include "common/qt/qt_messages.h"
#include "common/startup.h"
#include "tag/terminal/check_layouts_command.h"
#include "tag/qt/tag_qt_app.h"
#include "tag/terminal/tag_terminal.h"

int main(int argc, char** argv) {
  const common::ProgramInfo info{"tag", "Tag",
                                 "Edits the price tag layout of a Brillora store.",
                                 std::string(tag::kTerminalHelp) + tag::kCheckLayoutsHelp};
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (std::find(args.begin(), args.end(), tag::kCheckLayoutsOption) != args.end()) {
    common::PosixEnv env(".");
    return tag::RunCheckLayouts(env, args, info, std::cout, std::cerr);
  }
  const auto decision = common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::PosixEnv env(".");
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return tag::RunTagTerminal(env, std::cin, std::cout, std::cerr, info);
  }

  // The command line was read above; Qt sees none of it.
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  const QString title = QString::fromStdString(info.title);
  common::QtMessages messages(title, [] { return QApplication::activeWindow(); });
  tag::TagQtApp app(env, messages, title);
  if (!app.Start()) return 1;
  return app.Exec();
}
