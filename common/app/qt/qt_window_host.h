// QtWindowHost: the WindowHost of the Qt front ends of both programs. It
// runs every event procedure guarded, reports a file error the one way both
// programs report it, shows the busy pointer over the program's main window
// only, and is the one place where the program ends.

#ifndef COMMON_APP_QT_QT_WINDOW_HOST_H_
#define COMMON_APP_QT_QT_WINDOW_HOST_H_

#include <QPointer>
#include <QWidget>
#include <functional>
#include <ostream>

#include "common/app/startup.h"
#include "common/app/window_host.h"

namespace common {

class QtWindowHost : public WindowHost {
 public:
  // `info` names the program in its error reports; `err` receives each
  // report as one line as well. The last window closing does not end the
  // program by itself: the front end calls EndProgram.
  QtWindowHost(const ProgramInfo& info, std::ostream& err);
  ~QtWindowHost() override;

  QtWindowHost(const QtWindowHost&) = delete;
  QtWindowHost& operator=(const QtWindowHost&) = delete;

  // The window the busy pointer shows over and error boxes are centred on.
  void SetMainWindow(QWidget* window) { main_window_ = window; }

  void ProcessPendingEvents() override;
  // The busy pointer over the main window; a message box keeps the normal one.
  void SetBusyPointer(bool busy) override;
  // Leaves the event loop with status 0, or keeps it from starting when
  // called before it.
  void EndProgram() override;

  // Runs one event procedure. An error escaping it is written to `err` as
  // its ErrorLine and shown in an error box with the same words; the program
  // then ends with status 1 (exceptions must not cross Qt's event loop).
  // Returns false after such an error.
  bool Run(const std::function<void()>& procedure);

  // Runs the event loop unless the program has ended already, and returns
  // the exit status: 1 after a reported error, else the loop's.
  int Exec();

  bool ended() const { return ended_; }
  bool error_reported() const { return error_reported_; }
  bool busy() const { return busy_; }

 private:
  void End(int status);

  const ProgramInfo& info_;
  std::ostream& err_;
  QPointer<QWidget> main_window_;
  bool ended_ = false;
  bool error_reported_ = false;
  bool busy_ = false;
};

}  // namespace common

#endif  // COMMON_APP_QT_QT_WINDOW_HOST_H_
