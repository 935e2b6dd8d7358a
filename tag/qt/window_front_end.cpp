#include "tag/window_front_end.h"

#include <QApplication>

#include "common/qt/qt_messages.h"
#include "tag/qt/tag_qt_app.h"

namespace tag {

int RunWindows(int argc, char** argv, common::Env& env, const common::ProgramInfo& info) {
  QApplication application(argc, argv);
  const QString title = QString::fromStdString(info.title);
  common::QtMessages messages(title, [] { return QApplication::activeWindow(); });
  TagQtApp app(env, messages, title);
  if (!app.Start()) return 1;
  return app.Exec();
}

}  // namespace tag
