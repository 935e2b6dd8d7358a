#include "common/app/win32/backup_window.h"

#include <exception>
#include <iostream>
#include <sstream>

#include "common/app/backup_commands.h"
#include "common/app/win32/win32_front_end.h"
#include "common/app/win32/win32_messages.h"
#include "common/app/win32/win32_text.h"

namespace common {

int RunBackupOptionWin32(Env& env, const ProgramInfo& info, const StartupDecision& decision,
                         const TransactionOptions& options) {
  StartWin32FrontEnd();
  const std::wstring title = win32::Utf8ToWide(info.title);
  Win32Messages messages(title, [] { return static_cast<HWND>(nullptr); });
  std::ostringstream out, err;
  int status = 1;
  try {
    status = RunBackupOption(decision.option, decision.argument, env, messages, options, out, err);
  } catch (const std::exception& error) {
    err << ErrorLine(info, error.what()) << "\n";
    std::cout << out.str() << std::flush;
    std::cerr << err.str() << std::flush;
    ShowFatalError(nullptr, title, win32::AnyTextToWide(error.what()));
    return 1;
  }
  std::cout << out.str() << std::flush;
  std::cerr << err.str() << std::flush;
  // Without a console nobody would read what the option said went wrong.
  if (status != 0 && !err.str().empty()) {
    ShowMessageBox(nullptr, title, win32::AnyTextToWide(err.str()), MB_OK | MB_ICONWARNING);
  }
  return status;
}

}  // namespace common
