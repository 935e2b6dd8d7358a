// Tag's window front end on Windows: the Win32 windows.

#include "tag/window_front_end.h"
#include "tag/program_info.h"

#include <iostream>

#include "common/app/win32/backup_window.h"
#include "common/app/win32/win32_front_end.h"
#include "tag/tag_saves.h"
#include "tag/win32/tag_win32_app.h"

namespace tag {

int RunWindows(int /*argc*/, char** /*argv*/, common::Env& env, const std::string& data_directory) {
  const common::ProgramInfo& info = TagInfo();
  TagWin32App app(env, info, data_directory, std::cerr);
  if (!app.Start()) return 1;
  return app.Exec();
}

int RunBackupOptionWindow(int /*argc*/, char** /*argv*/, common::Env& env,
                          const common::StartupDecision& decision) {
  const common::ProgramInfo& info = TagInfo();
  return common::RunBackupOptionWin32(env, info, decision, TagBackupOptions());
}

std::optional<std::string> AskDataFolder(int /*argc*/, char** /*argv*/, const std::string& start) {
  return common::AskForFolder(common::kDataFolderTitle, start);
}

}  // namespace tag
