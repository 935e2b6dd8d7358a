// CleanslateQtApp: Cleanslate in a Qt window. It owns the host, the message
// boxes and the window "makefile", wired as the program runs them; the
// program's main and the window tests use it alike.
//
// REQUIRES: a QApplication exists for the whole life of a CleanslateQtApp.

#ifndef CLEANSLATE_QT_CLEANSLATE_QT_APP_H_
#define CLEANSLATE_QT_CLEANSLATE_QT_APP_H_

#include <ostream>
#include <string>

#include "cleanslate/clock.h"
#include "cleanslate/qt/makefile_view.h"
#include "cleanslate/random_source.h"
#include "common/app/qt/qt_messages.h"
#include "common/app/qt/qt_window_host.h"
#include "common/platform/env.h"

namespace cleanslate {

class CleanslateQtApp {
 public:
  // Works on the data directory of `env`, whose full path is
  // `data_directory`; a file error is also written to `err` as one line.
  CleanslateQtApp(common::Env& env, RandomSource& random, Clock& clock,
                  const std::string& data_directory, std::ostream& err);

  CleanslateQtApp(const CleanslateQtApp&) = delete;
  CleanslateQtApp& operator=(const CleanslateQtApp&) = delete;

  // Runs Form_Load: the two gates, then the window with its choices. False
  // when a file error ended the start (it has been reported).
  bool Start();
  // Runs the event loop after Start() unless the program has ended; returns
  // the exit status.
  int Exec() { return host_.Exec(); }

  MakefileView& view() { return view_; }
  const common::QtWindowHost& host() const { return host_; }

 private:
  common::QtWindowHost host_;
  common::QtMessages messages_;
  MakefileView view_;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_QT_CLEANSLATE_QT_APP_H_
