#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "common/app/terminal/console.h"

namespace common {

namespace {

UINT saved_input_code_page = 0;
UINT saved_output_code_page = 0;

void RestoreCodePages() {
  if (saved_input_code_page != 0) ::SetConsoleCP(saved_input_code_page);
  if (saved_output_code_page != 0) ::SetConsoleOutputCP(saved_output_code_page);
}

}  // namespace

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
