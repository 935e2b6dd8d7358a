// EventRunner: how a Qt view runs an event procedure of its window logic:
// guarded, so that no exception crosses Qt's event loop, and followed by a
// redraw of every window from the logic's state.

#ifndef TAG_QT_EVENT_RUNNER_H_
#define TAG_QT_EVENT_RUNNER_H_

#include <QPoint>
#include <functional>

class QWidget;

namespace tag {

class EventRunner {
 public:
  virtual ~EventRunner() = default;
  // Runs `procedure` for the window `window`: its messages are centred on it.
  virtual void Run(QWidget* window, const std::function<void()>& procedure) = 0;
  // `window` is closing, by its frame or by the program.
  virtual void WindowClosing(QWidget* window) = 0;
  // `window` has moved `by` pixels on the screen.
  virtual void WindowMoved(QWidget* window, QPoint by) = 0;
};

}  // namespace tag

#endif  // TAG_QT_EVENT_RUNNER_H_
