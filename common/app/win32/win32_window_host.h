// Win32WindowHost: the WindowHost of the Win32 front ends of both programs,
// and their message loop. It runs every event procedure guarded, reports a
// file error the one way both programs report it (an error box and one line
// on the error stream, then status 1), shows the busy pointer over the main
// window only, and is the one place where the program ends.
//
// While an event procedure runs, only repaints and the program's own
// messages are handled when the logic lets pending events run: what the
// user types or clicks meanwhile waits in the queue and reaches the windows
// after the procedure, in order. A request to close a window that comes
// meanwhile is kept and carried out once the procedure has returned.

#ifndef COMMON_APP_WIN32_WIN32_WINDOW_HOST_H_
#define COMMON_APP_WIN32_WIN32_WINDOW_HOST_H_

#include <windows.h>

#include <functional>
#include <ostream>
#include <vector>

#include "common/app/startup.h"
#include "common/app/window_host.h"

namespace common {

class Win32WindowHost : public WindowHost {
 public:
  // `info` names the program in its error reports; `err` receives each
  // report as one line as well.
  Win32WindowHost(const ProgramInfo& info, std::ostream& err);
  ~Win32WindowHost() override;

  Win32WindowHost(const Win32WindowHost&) = delete;
  Win32WindowHost& operator=(const Win32WindowHost&) = delete;

  // The window the busy pointer shows over and error boxes are centred on.
  void SetMainWindow(HWND window) { main_window_ = window; }
  HWND main_window() const { return main_window_; }

  // A window whose keys the dialog manager handles (Tab, Alt keys, Enter).
  void AddDialog(HWND window);
  void RemoveDialog(HWND window);
  // Sees every message before the windows do; true when it took it (a
  // shortcut such as Ctrl+I).
  void SetKeyFilter(std::function<bool(const MSG&)> filter) { key_filter_ = std::move(filter); }

  void ProcessPendingEvents() override;
  void SetBusyPointer(bool busy) override;
  // Ends the message loop with status 0 once the running procedure returns,
  // or keeps it from starting when called before it.
  void EndProgram() override;

  // Runs one event procedure. An error escaping it is reported as above and
  // ends the program with status 1. Returns false after such an error.
  // Procedures may nest (a focus change made by one runs another).
  bool Run(const std::function<void()>& procedure);
  // Runs `action` now, or, while an event procedure runs, right after it.
  void WhenIdle(std::function<void()> action);

  // Runs the message loop unless the program has ended already; returns
  // the exit status: 1 after a reported error, else 0.
  int Exec();

  // Answers WM_QUERYENDSESSION: while an event procedure runs (an action
  // may be changing files) the session may not end yet; the running
  // transaction is asked to put every file back and the program then ends
  // with status 1, so the next try to end the session succeeds.
  bool SessionMayEnd();

  // Answers WM_SETCURSOR for `window`: the busy pointer over the main window
  // while an action runs. True when it set the pointer.
  bool SetCursorFor(HWND window);

  bool ended() const { return ended_; }
  bool error_reported() const { return error_reported_; }
  bool busy() const { return busy_; }
  bool running() const { return depth_ > 0; }

 private:
  void Dispatch(MSG& message);
  void ReportError(const std::string& what);
  void End(int status);

  const ProgramInfo& info_;
  std::ostream& err_;
  HWND main_window_ = nullptr;
  std::vector<HWND> dialogs_;
  std::function<bool(const MSG&)> key_filter_;
  std::vector<std::function<void()>> when_idle_;
  int depth_ = 0;
  bool ended_ = false;
  bool error_reported_ = false;
  bool busy_ = false;
};

}  // namespace common

#endif  // COMMON_APP_WIN32_WIN32_WINDOW_HOST_H_
