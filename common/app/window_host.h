// WindowHost: what window logic asks of whichever front end shows it, so the
// logic itself never depends on a toolkit.

#ifndef COMMON_APP_WINDOW_HOST_H_
#define COMMON_APP_WINDOW_HOST_H_

namespace common {

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Lets the front end handle what is pending (repaints) before long work.
  virtual void ProcessPendingEvents() = 0;
  // Shows or clears the busy pointer.
  virtual void SetBusyPointer(bool busy) = 0;
  // Ends the program once the running event procedure returns.
  virtual void EndProgram() = 0;
};

}  // namespace common

#endif  // COMMON_APP_WINDOW_HOST_H_
