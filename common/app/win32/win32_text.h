// Text between this system's strings and the Windows wide-character API.
// The programs' own texts and paths are UTF-8, the data files' texts
// Windows-1252; every window and message box takes UTF-16.

#ifndef COMMON_APP_WIN32_WIN32_TEXT_H_
#define COMMON_APP_WIN32_WIN32_TEXT_H_

#include <windows.h>

#include <string>
#include <string_view>

namespace common::win32 {

// UTF-8 to UTF-16; a byte that is not well-formed UTF-8 becomes U+FFFD.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// Data-file text (Windows-1252) to show in a control, and what was typed
// back in Windows-1252: a character it lacks becomes '?'.
std::wstring FromText(std::string_view text);
std::string ToText(std::wstring_view text);

// A message that may hold either encoding (an error naming a file): UTF-8
// when it is well-formed UTF-8, else Windows-1252. Line ends as given.
std::wstring AnyTextToWide(std::string_view text);

// The text of a window or control.
std::wstring WindowText(HWND window);

}  // namespace common::win32

#endif  // COMMON_APP_WIN32_WIN32_TEXT_H_
