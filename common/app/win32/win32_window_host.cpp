#include "common/app/win32/win32_window_host.h"

#include <algorithm>
#include <exception>

#include "common/app/win32/win32_messages.h"
#include "common/app/win32/win32_text.h"
#include "common/platform/interrupts.h"

namespace common {

Win32WindowHost::Win32WindowHost(const ProgramInfo& info, std::ostream& err)
    : info_(info), err_(err) {}

Win32WindowHost::~Win32WindowHost() { SetBusyPointer(false); }

void Win32WindowHost::AddDialog(HWND window) { dialogs_.push_back(window); }

void Win32WindowHost::RemoveDialog(HWND window) {
  dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), window), dialogs_.end());
}

void Win32WindowHost::ProcessPendingEvents() {
  // Repaints, sent messages and the program's own posted messages; the
  // user's input stays queued until the procedure has returned.
  MSG message;
  const UINT kinds = PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
  while (::PeekMessageW(&message, nullptr, 0, 0, kinds)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void Win32WindowHost::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (main_window_ == nullptr) return;
  // Shown at once where the pointer stands over the window, without
  // waiting for it to move.
  POINT at;
  if (::GetCursorPos(&at)) {
    const HWND under = ::WindowFromPoint(at);
    if (under != nullptr && (under == main_window_ || ::IsChild(main_window_, under))) {
      ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
    }
  }
}

bool Win32WindowHost::SessionMayEnd() {
  if (depth_ == 0) return true;
  RequestInterrupt("Windows is ending the session");
  return false;
}

bool Win32WindowHost::SetCursorFor(HWND window) {
  if (!busy_ || window != main_window_) return false;
  ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  return true;
}

void Win32WindowHost::EndProgram() { End(0); }

void Win32WindowHost::End(int /*status*/) {
  ended_ = true;
  SetBusyPointer(false);
}

void Win32WindowHost::ReportError(const std::string& what) {
  error_reported_ = true;
  SetBusyPointer(false);
  err_ << ErrorLine(info_, what) << std::endl;
  // Asked to stop from outside (the session ending), it ends without a box.
  if (!StoppedFromOutside()) {
    const HWND owner =
        main_window_ != nullptr && ::IsWindowVisible(main_window_) ? main_window_ : nullptr;
    ShowFatalError(owner, win32::Utf8ToWide(info_.title), win32::AnyTextToWide(what));
  }
  End(1);
}

bool Win32WindowHost::Run(const std::function<void()>& procedure) {
  if (ended_) return !error_reported_;
  bool done = true;
  ++depth_;
  try {
    procedure();
  } catch (const std::exception& error) {
    ReportError(error.what());
    done = false;
  } catch (...) {
    ReportError("an unexpected error ended the program");
    done = false;
  }
  --depth_;
  // What had to wait for the procedure, a close request among it.
  while (depth_ == 0 && !when_idle_.empty() && !ended_) {
    std::function<void()> action = std::move(when_idle_.front());
    when_idle_.erase(when_idle_.begin());
    Run(action);
  }
  return done;
}

void Win32WindowHost::WhenIdle(std::function<void()> action) {
  if (depth_ == 0) {
    Run(action);
  } else {
    when_idle_.push_back(std::move(action));
  }
}

void Win32WindowHost::Dispatch(MSG& message) {
  if (key_filter_ && key_filter_(message)) return;
  const HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && std::find(dialogs_.begin(), dialogs_.end(), root) != dialogs_.end() &&
      ::IsDialogMessageW(root, &message)) {
    return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

int Win32WindowHost::Exec() {
  MSG message;
  while (!ended_) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) break;
    Dispatch(message);
  }
  SetBusyPointer(false);
  return error_reported_ ? 1 : 0;
}

}  // namespace common
