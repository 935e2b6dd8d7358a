#include "common/qt/qt_window_host.h"

#include <QApplication>
#include <QCursor>
#include <exception>

#include "common/qt/qt_messages.h"

namespace common {

namespace {
bool error_reported = false;
}  // namespace

QtWindowHost::~QtWindowHost() {
  if (busy_) QApplication::restoreOverrideCursor();
}

void QtWindowHost::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void QtWindowHost::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtWindowHost::EndProgram() {
  ended_ = true;
  SetBusyPointer(false);
  QCoreApplication::exit(0);
}

bool RunEventProcedure(const QString& title, const std::function<void()>& procedure) {
  try {
    procedure();
    return true;
  } catch (const std::exception& error) {
    error_reported = true;
    QApplication::restoreOverrideCursor();
    ShowFatalError(title, QString::fromStdString(error.what()));
    QCoreApplication::exit(1);
    return false;
  }
}

bool ErrorReported() { return error_reported; }

}  // namespace common
