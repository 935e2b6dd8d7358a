// Cleanslate's window front end on Windows: the Win32 window.

#include "cleanslate/window_front_end.h"

#include <iostream>

#include "cleanslate/action_runner.h"
#include "cleanslate/program_info.h"
#include "cleanslate/win32/makefile_dialog.h"
#include "common/app/win32/backup_window.h"
#include "common/app/win32/win32_front_end.h"
#include "common/app/win32/win32_messages.h"
#include "common/app/win32/win32_text.h"
#include "common/app/win32/win32_window_host.h"

namespace cleanslate {

int RunWindows(int /*argc*/, char** /*argv*/, common::Env& env, RandomSource& random, Clock& clock,
               const std::string& data_directory) {
  common::StartWin32FrontEnd();
  common::Win32WindowHost host(CleanslateInfo(), std::cerr);
  MakefileDialog* window = nullptr;
  // The danger question comes before the window shows: centred on the
  // screen; every later message on the window.
  common::Win32Messages messages(common::win32::Utf8ToWide(CleanslateInfo().title), [&window] {
    return window != nullptr && ::IsWindowVisible(window->hwnd()) ? window->hwnd() : nullptr;
  });
  MakefileDialog dialog(ActionContext{env, messages, random, clock}, host, data_directory);
  if (!dialog.Create(nullptr, common::win32::FromText(kMakefileCaption))) {
    std::cerr << common::ErrorLine(CleanslateInfo(), "cannot open a window") << "\n";
    return 1;
  }
  window = &dialog;
  host.SetMainWindow(dialog.hwnd());
  dialog.Load();
  return host.Exec();
}

int RunBackupOptionWindow(int /*argc*/, char** /*argv*/, common::Env& env,
                          const common::StartupDecision& decision) {
  return common::RunBackupOptionWin32(env, CleanslateInfo(), decision, BackupOptions());
}

std::optional<std::string> AskDataFolder(int /*argc*/, char** /*argv*/, const std::string& start) {
  return common::AskForFolder(common::kDataFolderTitle, start);
}

}  // namespace cleanslate
