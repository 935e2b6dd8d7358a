#include "cleanslate/window_front_end.h"

#include <QApplication>
#include <iostream>

#include "cleanslate/action_runner.h"
#include "cleanslate/program_info.h"
#include "cleanslate/qt/cleanslate_qt_app.h"
#include "common/app/qt/backup_window.h"
#include "common/app/qt/folder_dialog.h"

namespace cleanslate {

int RunWindows(int argc, char** argv, common::Env& env, RandomSource& random, Clock& clock,
               const std::string& data_directory) {
  QApplication application(argc, argv);
  CleanslateQtApp app(env, random, clock, data_directory, std::cerr);
  if (!app.Start()) return 1;
  return app.Exec();
}

int RunBackupOptionWindow(int argc, char** argv, common::Env& env,
                          const common::StartupDecision& decision) {
  return common::RunBackupOptionWindow(argc, argv, env, CleanslateInfo(), decision,
                                       BackupOptions());
}

std::optional<std::string> AskDataFolder(int argc, char** argv, const std::string& start) {
  return common::AskDataFolderQt(argc, argv, start);
}

}  // namespace cleanslate
