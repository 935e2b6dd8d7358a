#include "common/app/win32/win32_messages.h"

#include <vector>

#include "common/app/win32/win32_text.h"

namespace common {

namespace {

// The window a box opening now is centred on; the hook that does it runs
// once, when the box is activated for the first time.
thread_local HWND centre_on = nullptr;
thread_local HHOOK centring_hook = nullptr;

LRESULT CALLBACK CentreBox(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wparam);
    RECT owner_rect, box_rect;
    if (centre_on != nullptr && ::GetWindowRect(centre_on, &owner_rect) &&
        ::GetWindowRect(box, &box_rect)) {
      const int width = box_rect.right - box_rect.left;
      const int height = box_rect.bottom - box_rect.top;
      int x = (owner_rect.left + owner_rect.right - width) / 2;
      int y = (owner_rect.top + owner_rect.bottom - height) / 2;
      // Kept on the owner's monitor.
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      if (::GetMonitorInfoW(::MonitorFromWindow(centre_on, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = work.bottom - height;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
      }
      ::SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::UnhookWindowsHookEx(centring_hook);
    centring_hook = nullptr;
    return 0;
  }
  return ::CallNextHookEx(centring_hook, code, wparam, lparam);
}

struct DisabledWindows {
  HWND keep;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM data) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(data);
  if (window != disabled->keep && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    disabled->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

UINT MessageBoxFlags(const Message& message) {
  UINT flags = MB_SETFOREGROUND;
  int default_index = 0;
  switch (message.buttons) {
    case Buttons::kOk:
      flags |= MB_OK;
      break;
    case Buttons::kYesNo:
      flags |= MB_YESNO;
      default_index = message.default_button == Answer::kNo ? 1 : 0;
      break;
    case Buttons::kYesNoCancel:
      flags |= MB_YESNOCANCEL;
      default_index = message.default_button == Answer::kNo       ? 1
                      : message.default_button == Answer::kCancel ? 2
                                                                  : 0;
      break;
  }
  flags |= default_index == 1 ? MB_DEFBUTTON2 : default_index == 2 ? MB_DEFBUTTON3 : MB_DEFBUTTON1;
  if (message.icon == Icon::kQuestion) flags |= MB_ICONQUESTION;
  return flags;
}

Answer AnswerOf(int result, Buttons buttons) {
  switch (result) {
    case IDOK:
      return Answer::kOk;
    case IDYES:
      return Answer::kYes;
    case IDNO:
      return Answer::kNo;
    case IDCANCEL:
      return buttons == Buttons::kYesNoCancel ? Answer::kCancel : AnswerWhenClosed(buttons);
    default:
      return AnswerWhenClosed(buttons);
  }
}

int ShowMessageBox(HWND owner, const std::wstring& title, const std::wstring& text, UINT flags) {
  if (owner != nullptr && !::IsWindowVisible(owner)) owner = nullptr;
  // The box disables its owner; the program's other windows wait as well.
  DisabledWindows disabled{owner, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  if (owner != nullptr) {
    centre_on = owner;
    centring_hook = ::SetWindowsHookExW(WH_CBT, CentreBox, nullptr, ::GetCurrentThreadId());
  }
  if (owner == nullptr) flags |= MB_TASKMODAL;
  const int result = ::MessageBoxW(owner, text.c_str(), title.c_str(), flags);
  if (centring_hook != nullptr) {
    ::UnhookWindowsHookEx(centring_hook);
    centring_hook = nullptr;
  }
  centre_on = nullptr;
  for (HWND window : disabled.windows) {
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
  }
  if (owner != nullptr) ::SetActiveWindow(owner);
  return result;
}

Answer Win32Messages::Show(const Message& message) {
  const HWND owner = owner_ ? owner_() : nullptr;
  const int result = ShowMessageBox(owner, title_, win32::FromText(WithLineFeeds(message.text)),
                                    MessageBoxFlags(message));
  return AnswerOf(result, message.buttons);
}

void ShowFatalError(HWND owner, const std::wstring& title, const std::wstring& text) {
  ShowMessageBox(owner, title, text, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace common
