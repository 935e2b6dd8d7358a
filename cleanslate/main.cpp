// Cleanslate, the data reset utility: the window when a display is there,
// the terminal otherwise (or with --terminal). It works on the data files of
// the current directory.

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cleanslate/clock.h"
#include "cleanslate/program_info.h"
#include "cleanslate/qt/cleanslate_qt_app.h"
#include "cleanslate/random_source.h"
#include "cleanslate/terminal_view.h"
#include "common/posix_env.h"
#include "common/startup.h"

int main(int argc, char** argv) {
  const common::ProgramInfo& info = cleanslate::CleanslateInfo();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const common::StartupDecision decision =
      common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::PosixEnv env(".");
  const std::string data_directory = common::CurrentDirectoryPath();
  cleanslate::SystemRandomSource random;
  cleanslate::SystemClock clock;
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return cleanslate::RunTerminal(std::cin, std::cout, std::cerr, env, random, clock,
                                   data_directory);
  }
  // QApplication takes only the program name: the arguments are ours.
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  cleanslate::CleanslateQtApp app(env, random, clock, data_directory, std::cerr);
  if (!app.Start()) return 1;
  return app.Exec();
}
