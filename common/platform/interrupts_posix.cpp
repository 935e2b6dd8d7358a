// SIGINT, SIGTERM and SIGHUP, caught while a guard lives. A signal the
// program was started to ignore (nohup) stays ignored.

#include <signal.h>

#include <atomic>

#include "common/platform/interrupts.h"

namespace common {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t noted_signal = 0;
std::atomic<const char*> requested{nullptr};
bool taken_up = false;
bool stopped = false;
int depth = 0;
struct sigaction saved[3];

void Note(int signal_number) { noted_signal = signal_number; }

const char* Describe(int signal_number) {
  switch (signal_number) {
    case SIGINT:
      return "Ctrl+C";
    case SIGTERM:
      return "a request to end the program";
    case SIGHUP:
      return "the terminal was closed";
    default:
      return "a signal";
  }
}

}  // namespace

InterruptGuard::InterruptGuard() {
  if (depth++ > 0) return;
  noted_signal = 0;
  requested = nullptr;
  taken_up = false;
  for (int i = 0; i < 3; ++i) {
    ::sigaction(kSignals[i], nullptr, &saved[i]);
    if (saved[i].sa_handler == SIG_IGN) continue;
    struct sigaction catching {};
    catching.sa_handler = Note;
    sigemptyset(&catching.sa_mask);
    catching.sa_flags = 0;  // a blocking call returns early, so the stop is seen soon
    ::sigaction(kSignals[i], &catching, nullptr);
  }
}

InterruptGuard::~InterruptGuard() {
  if (--depth > 0) return;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &saved[i], nullptr);
  const int signal_number = noted_signal;
  noted_signal = 0;
  if (signal_number != 0 && !taken_up) ::raise(signal_number);
}

const char* InterruptRequested() {
  if (depth == 0) return nullptr;
  if (noted_signal != 0) return Describe(noted_signal);
  return requested.load();
}

void InterruptTakenUp() {
  taken_up = true;
  stopped = true;
}

bool StoppedFromOutside() { return stopped; }

void RequestInterrupt(const char* what) { requested = what; }

}  // namespace common
