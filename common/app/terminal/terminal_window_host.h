// TerminalWindowHost: the WindowHost of the terminal front ends. There is
// nothing to repaint and no pointer; ending the program sets a flag that the
// command loop looks at after every event procedure.

#ifndef COMMON_APP_TERMINAL_TERMINAL_WINDOW_HOST_H_
#define COMMON_APP_TERMINAL_TERMINAL_WINDOW_HOST_H_

#include "common/app/window_host.h"

namespace common {

class TerminalWindowHost : public WindowHost {
 public:
  void ProcessPendingEvents() override {}
  void SetBusyPointer(bool) override {}
  void EndProgram() override { ended_ = true; }

  bool ended() const { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace common

#endif  // COMMON_APP_TERMINAL_TERMINAL_WINDOW_HOST_H_
