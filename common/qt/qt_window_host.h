// QtWindowHost: the WindowHost of the Qt front ends, and the guard that every
// slot runs its event procedure under.

#ifndef COMMON_QT_QT_WINDOW_HOST_H_
#define COMMON_QT_QT_WINDOW_HOST_H_

#include <QString>
#include <functional>

#include "common/window_host.h"

namespace common {

class QtWindowHost : public WindowHost {
 public:
  ~QtWindowHost() override;

  void ProcessPendingEvents() override;
  void SetBusyPointer(bool busy) override;
  // Leaves the event loop, or keeps it from starting when called before it.
  void EndProgram() override;

  bool ended() const { return ended_; }

 private:
  bool ended_ = false;
  bool busy_ = false;
};

// Runs one event procedure. An error escaping it is shown in an error box
// titled `title`, and the program ends with status 1 once control is back in
// the event loop (exceptions must not cross Qt's event loop). Returns false
// after such an error.
bool RunEventProcedure(const QString& title, const std::function<void()>& procedure);

// True once RunEventProcedure has reported an error.
bool ErrorReported();

}  // namespace common

#endif  // COMMON_QT_QT_WINDOW_HOST_H_
