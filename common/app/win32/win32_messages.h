// Win32Messages: messages as Windows message boxes titled with the program's
// name, centred on the window that raised them, with the question icon and
// the default button each message asks for. While a box is up, every other
// window of the program is disabled too, so no second event procedure can
// start behind it.

#ifndef COMMON_APP_WIN32_WIN32_MESSAGES_H_
#define COMMON_APP_WIN32_WIN32_MESSAGES_H_

#include <windows.h>

#include <functional>
#include <string>

#include "common/app/messages.h"

namespace common {

class Win32Messages : public Messages {
 public:
  // `owner` gives the window the box belongs to and is centred on; null
  // centres it on the screen.
  Win32Messages(std::wstring title, std::function<HWND()> owner)
      : title_(std::move(title)), owner_(std::move(owner)) {}

 protected:
  Answer Show(const Message& message) override;

 private:
  std::wstring title_;
  std::function<HWND()> owner_;
};

// The flags of MessageBoxW for `message`: its buttons, icon and default.
UINT MessageBoxFlags(const Message& message);
// The answer of a MessageBoxW result; a box that failed counts as closed.
Answer AnswerOf(int result, Buttons buttons);

// A message box as above, for any flags; returns MessageBoxW's result.
int ShowMessageBox(HWND owner, const std::wstring& title, const std::wstring& text, UINT flags);

// The error box that ends the program.
void ShowFatalError(HWND owner, const std::wstring& title, const std::wstring& text);

}  // namespace common

#endif  // COMMON_APP_WIN32_WIN32_MESSAGES_H_
