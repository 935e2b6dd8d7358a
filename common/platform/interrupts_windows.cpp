// The console's control events, caught while a guard lives. For Ctrl+C and
// Ctrl+Break the handler says it has dealt with the event; for the close,
// log-off and shut-down events Windows ends the process once the handler
// returns, so the handler waits (a few seconds at most) until the files
// have been put back.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <atomic>

#include "common/platform/interrupts.h"

namespace common {

namespace {

std::atomic<const char*> noted{nullptr};
std::atomic<bool> taken_up{false};
std::atomic<bool> active{false};
bool stopped = false;
int depth = 0;
HANDLE finished = nullptr;

BOOL WINAPI Handle(DWORD event) {
  if (!active) return FALSE;
  switch (event) {
    case CTRL_C_EVENT:
      noted = "Ctrl+C";
      return TRUE;
    case CTRL_BREAK_EVENT:
      noted = "Ctrl+Break";
      return TRUE;
    case CTRL_CLOSE_EVENT:
      noted = "the console window was closed";
      break;
    case CTRL_LOGOFF_EVENT:
      noted = "the user logged off";
      break;
    case CTRL_SHUTDOWN_EVENT:
      noted = "Windows shut down";
      break;
    default:
      return FALSE;
  }
  ::WaitForSingleObject(finished, 4500);
  return TRUE;
}

}  // namespace

InterruptGuard::InterruptGuard() {
  if (depth++ > 0) return;
  noted = nullptr;
  taken_up = false;
  if (finished == nullptr) finished = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ::ResetEvent(finished);
  active = true;
  ::SetConsoleCtrlHandler(Handle, TRUE);
}

InterruptGuard::~InterruptGuard() {
  if (--depth > 0) return;
  active = false;
  ::SetConsoleCtrlHandler(Handle, FALSE);
  ::SetEvent(finished);
  const char* what = noted.exchange(nullptr);
  // The program was asked to end and the files are safe: it ends now.
  if (what != nullptr && !taken_up) ::ExitProcess(1);
}

const char* InterruptRequested() { return active ? noted.load() : nullptr; }

void InterruptTakenUp() {
  taken_up = true;
  stopped = true;
}

bool StoppedFromOutside() { return stopped; }

void RequestInterrupt(const char* what) { noted = what; }

}  // namespace common
