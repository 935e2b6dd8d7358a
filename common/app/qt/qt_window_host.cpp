#include "common/app/qt/qt_window_host.h"

#include <QApplication>
#include <exception>

#include "common/app/qt/qt_messages.h"
#include "common/platform/interrupts.h"
#include "common/platform/windows1252.h"

namespace common {

QtWindowHost::QtWindowHost(const ProgramInfo& info, std::ostream& err) : info_(info), err_(err) {
  // Only EndProgram ends the program, closing the last window included.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtWindowHost::~QtWindowHost() { SetBusyPointer(false); }

void QtWindowHost::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void QtWindowHost::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (main_window_ == nullptr) return;
  // Over the window alone: a message box asking something meanwhile is a
  // window of its own and shows the normal pointer.
  if (busy) {
    main_window_->setCursor(Qt::WaitCursor);
  } else {
    main_window_->unsetCursor();
  }
}

void QtWindowHost::EndProgram() { End(0); }

void QtWindowHost::End(int status) {
  ended_ = true;
  SetBusyPointer(false);
  QCoreApplication::exit(status);
}

bool QtWindowHost::Run(const std::function<void()>& procedure) {
  try {
    procedure();
    return true;
  } catch (const std::exception& error) {
    error_reported_ = true;
    SetBusyPointer(false);
    err_ << ErrorLine(info_, error.what()) << std::endl;
    // Asked to stop from outside, the program ends without a question.
    if (!StoppedFromOutside()) {
      ShowFatalError(
          main_window_ != nullptr && main_window_->isVisible() ? main_window_.data() : nullptr,
          QString::fromStdString(info_.title),
          QString::fromStdString(Windows1252ToUtf8(error.what())));
    }
    End(1);
    return false;
  }
}

int QtWindowHost::Exec() {
  if (ended_) return error_reported_ ? 1 : 0;
  const int status = QApplication::exec();
  return error_reported_ ? 1 : status;
}

}  // namespace common
