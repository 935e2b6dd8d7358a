#include "cleanslate/window_front_end.h"

#include <QApplication>
#include <iostream>

#include "cleanslate/action_runner.h"
#include "cleanslate/program_info.h"
#include "cleanslate/qt/makefile_view.h"
#include "common/backup_commands.h"
#include "common/qt/qt_messages.h"
#include "common/qt/qt_window_host.h"

namespace cleanslate {

int RunWindows(int argc, char** argv, common::Env& env, RandomSource& random, Clock& clock) {
  QApplication app(argc, argv);
  common::QtWindowHost host;
  QWidget* window = nullptr;
  common::QtMessages messages(QString::fromStdString(CleanslateInfo().title),
                              [&window]() -> QWidget* {
                                return window != nullptr && window->isVisible() ? window
                                                                                : nullptr;
                              });
  MakefileView view(ActionContext{env, messages, random, clock}, host, std::cerr);
  window = &view;
  view.Load();
  // A gate may end the program before the window ever shows.
  if (common::ErrorReported()) return 1;
  if (host.ended()) return 0;
  const int status = app.exec();
  return common::ErrorReported() ? 1 : status;
}

int RunRestoreWindow(int argc, char** argv, common::Env& env,
                     const std::optional<std::string>& name) {
  const common::ProgramInfo& info = CleanslateInfo();
  const common::TransactionOptions options = ActionOptions("restore");
  QApplication app(argc, argv);
  common::QtMessages messages(QString::fromStdString(info.title), [] { return nullptr; });
  return common::RunReportingErrors(info, std::cout, std::cerr, [&] {
    common::RecoverAtStart(env, messages, {kBackupFolder, kTagBackupFolder});
    return common::RestoreCommand(env, messages, options, name, std::cerr);
  });
}

}  // namespace cleanslate
