#include "tag/window_front_end.h"
#include "tag/program_info.h"

#include <QApplication>
#include <iostream>

#include "common/app/qt/backup_window.h"
#include "common/app/qt/folder_dialog.h"
#include "tag/qt/tag_qt_app.h"
#include "tag/tag_saves.h"

namespace tag {

int RunWindows(int argc, char** argv, common::Env& env, const std::string& data_directory) {
  const common::ProgramInfo& info = TagInfo();
  QApplication application(argc, argv);
  TagQtApp app(env, info, data_directory, std::cerr);
  if (!app.Start()) return 1;
  return app.Exec();
}

int RunBackupOptionWindow(int argc, char** argv, common::Env& env,
                          const common::StartupDecision& decision) {
  const common::ProgramInfo& info = TagInfo();
  return common::RunBackupOptionWindow(argc, argv, env, info, decision, TagBackupOptions());
}

std::optional<std::string> AskDataFolder(int argc, char** argv, const std::string& start) {
  return common::AskDataFolderQt(argc, argv, start);
}

}  // namespace tag
