// Stops that come from outside while files are being changed: Ctrl+C, a
// closed terminal (hang-up) or a polite kill; on Windows the console's
// Ctrl+C, Ctrl+Break, close, log-off and shut-down events. While an
// InterruptGuard lives they do not end the program at once: they are noted,
// so that the running transaction can put every file back and the program
// end with status 1. Outside a guard they act as they always do.
// interrupts_posix.cpp and interrupts_windows.cpp hold each platform's way.

#ifndef COMMON_PLATFORM_INTERRUPTS_H_
#define COMMON_PLATFORM_INTERRUPTS_H_

namespace common {

class InterruptGuard {
 public:
  InterruptGuard();
  // A stop noted and not taken up (it came after the last check) is acted
  // on now, as it would have been without the guard.
  ~InterruptGuard();

  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;
};

// What asked the program to stop since the outermost guard began
// ("hang-up", "Ctrl+C", ...), or nullptr.
const char* InterruptRequested();

// The noted stop has been dealt with: the files were put back and the
// program ends with status 1, so the guard does not act on it again.
void InterruptTakenUp();

// True once a stop was taken up: the front ends end without a question.
bool StoppedFromOutside();

// A stop asked for by a front end itself (a window system ending the
// session), noted as the outside ones are.
void RequestInterrupt(const char* what);

}  // namespace common

#endif  // COMMON_PLATFORM_INTERRUPTS_H_
