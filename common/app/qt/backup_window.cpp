#include "common/app/qt/backup_window.h"

#include <QApplication>
#include <iostream>

#include "common/app/backup_commands.h"
#include "common/app/qt/qt_messages.h"

namespace common {

int RunBackupOptionWindow(int argc, char** argv, Env& env, const ProgramInfo& info,
                          const StartupDecision& decision, const TransactionOptions& options) {
  QApplication application(argc, argv);
  QtMessages messages(QString::fromStdString(info.title), [] { return nullptr; });
  return RunReportingErrors(info, std::cout, std::cerr, [&] {
    return RunBackupOption(decision.option, decision.argument, env, messages, options, std::cout,
                           std::cerr);
  });
}

}  // namespace common
