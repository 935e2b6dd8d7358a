#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/app/terminal/console.h"

namespace common {

namespace {

UINT saved_input_code_page = 0;
UINT saved_output_code_page = 0;

void RestoreCodePages() {
  if (saved_input_code_page != 0) ::SetConsoleCP(saved_input_code_page);
  if (saved_output_code_page != 0) ::SetConsoleOutputCP(saved_output_code_page);
}

// The console of a program built as a windowed program (Windows starts it
// with no console at all).
bool attached_to_parent = false;

class WindowsConsole : public ConsoleSystem {
 public:
  bool StreamUsable(int stream) override {
    const HANDLE handle = ::GetStdHandle(StandardHandle(stream));
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
  }
  bool AttachToParent() override {
    if (!attached_to_parent) attached_to_parent = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    return attached_to_parent;
  }
  bool OpenOwn() override {
    // A program has one console at most: the parent's is let go first.
    ::FreeConsole();
    attached_to_parent = false;
    return ::AllocConsole() != FALSE;
  }
  void ReopenOnConsole(int stream) override {
    FILE* file = stream == 0 ? stdin : stream == 1 ? stdout : stderr;
    if (std::freopen(stream == 0 ? "CONIN$" : "CONOUT$", stream == 0 ? "r" : "w", file) ==
        nullptr) {
      return;
    }
    ::SetStdHandle(StandardHandle(stream), reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
  }

 private:
  static DWORD StandardHandle(int stream) {
    return stream == 0 ? STD_INPUT_HANDLE : stream == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  }
};

bool InputIsConsole() {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != FALSE;
}

}  // namespace

ConsoleKind ConnectConsole(bool interactive) {
  WindowsConsole console;
  return ConnectConsole(console, interactive);
}

bool StartedFromConsole() {
  WindowsConsole console;
  if (console.StreamUsable(0) && console.StreamUsable(1)) return true;
  // Attached now, it is the console the program then prints to.
  return console.AttachToParent();
}

bool EndsInput(std::string_view line) {
  return !line.empty() && line.front() == '\x1a' && InputIsConsole();
}

void PrepareConsole() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Without a console (a pipe at both ends, or a program started from the
  // desktop) these report 0 and nothing is changed.
  saved_input_code_page = ::GetConsoleCP();
  saved_output_code_page = ::GetConsoleOutputCP();
  if (saved_input_code_page == 0 && saved_output_code_page == 0) return;
  if (saved_input_code_page != 0) ::SetConsoleCP(CP_UTF8);
  if (saved_output_code_page != 0) ::SetConsoleOutputCP(CP_UTF8);
  std::atexit(RestoreCodePages);
}

}  // namespace common
