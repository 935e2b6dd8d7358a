#include "common/app/win32/backup_window.h"

#include <exception>
#include <iostream>

#include "common/app/backup_commands.h"
#include "common/app/win32/win32_front_end.h"
#include "common/app/win32/win32_messages.h"
#include "common/app/win32/win32_text.h"

namespace common {

int RunBackupOptionWin32(Env& env, const ProgramInfo& info, const StartupDecision& decision,
                         const BackupCommandOptions& options) {
  StartWin32FrontEnd();
  const std::wstring title = win32::Utf8ToWide(info.title);
  Win32Messages messages(title, [] { return static_cast<HWND>(nullptr); });
  BackupCommandOptions shown = options;
  shown.show_outcomes = true;
  try {
    return RunBackupOption(decision.option, decision.argument, env, messages, shown, std::cout,
                           std::cerr);
  } catch (const std::exception& error) {
    // Refused or failed: said on the error stream and in a box.
    std::cerr << ErrorLine(info, error.what()) << std::endl;
    ShowFatalError(nullptr, title, win32::AnyTextToWide(error.what()));
    return 1;
  } catch (...) {
    std::cerr << ErrorLine(info, "an unexpected error ended the program") << std::endl;
    return 1;
  }
}

}  // namespace common
