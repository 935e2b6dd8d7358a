#include "common/app/qt/backup_window.h"

#include <QApplication>
#include <iostream>

#include "common/app/backup_commands.h"
#include "common/app/qt/qt_messages.h"
#include "common/platform/windows1252.h"

namespace common {

int RunBackupOptionWindow(int argc, char** argv, Env& env, const ProgramInfo& info,
                          const StartupDecision& decision, const BackupCommandOptions& options) {
  QApplication application(argc, argv);
  QtMessages messages(QString::fromStdString(info.title), [] { return nullptr; });
  BackupCommandOptions shown = options;
  shown.show_outcomes = true;
  try {
    return RunBackupOption(decision.option, decision.argument, env, messages, shown, std::cout,
                           std::cerr);
  } catch (const std::exception& error) {
    // Refused or failed: said on the error stream and in a box.
    std::cerr << ErrorLine(info, error.what()) << std::endl;
    ShowFatalError(nullptr, QString::fromStdString(info.title),
                   QString::fromStdString(Windows1252ToUtf8(error.what())));
    return 1;
  }
}

}  // namespace common
