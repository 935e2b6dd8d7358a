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
#include "cleanslate/qt/makefile_view.h"
#include "cleanslate/random_source.h"
#include "cleanslate/terminal_view.h"
#include "common/posix_env.h"
#include "common/qt/qt_messages.h"
#include "common/qt/qt_window_host.h"
#include "common/startup.h"

namespace {

int RunWindows(int argc, char** argv, common::Env& env, cleanslate::RandomSource& random,
               cleanslate::Clock& clock) {
  QApplication app(argc, argv);
  common::QtWindowHost host;
  QWidget* window = nullptr;
  common::QtMessages messages(QString::fromStdString(cleanslate::CleanslateInfo().title),
                              [&window]() -> QWidget* {
                                return window != nullptr && window->isVisible() ? window
                                                                                : nullptr;
                              });
  cleanslate::MakefileView view(cleanslate::ActionContext{env, messages, random, clock}, host,
                                std::cerr);
  window = &view;
  view.Load();
  // A gate may end the program before the window ever shows.
  if (common::ErrorReported()) return 1;
  if (host.ended()) return 0;
  const int status = app.exec();
  return common::ErrorReported() ? 1 : status;
}

}  // namespace

int main(int argc, char** argv) {
  const common::ProgramInfo& info = cleanslate::CleanslateInfo();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const common::StartupDecision decision =
      common::DecideStartup(args, info, std::getenv, std::cout, std::cerr);
  if (decision.exit_status) return *decision.exit_status;

  common::PosixEnv env(".");
  cleanslate::SystemRandomSource random;
  cleanslate::SystemClock clock;
  if (decision.front_end == common::FrontEnd::kTerminal) {
    return cleanslate::RunTerminal(std::cin, std::cout, std::cerr, env, random, clock);
  }
  // QApplication takes only the program name: the arguments are ours.
  int qt_argc = 1;
  return RunWindows(qt_argc, argv, env, random, clock);
}
