#include "cleanslate/qt/cleanslate_qt_app.h"

#include "cleanslate/program_info.h"

namespace cleanslate {

CleanslateQtApp::CleanslateQtApp(common::Env& env, RandomSource& random, Clock& clock,
                                 const std::string& data_directory, std::ostream& err)
    : host_(CleanslateInfo(), err),
      // The danger question comes before the window shows: centred on the
      // screen; every later message on the window.
      messages_(QString::fromStdString(CleanslateInfo().title),
                [this]() -> QWidget* { return view_.isVisible() ? &view_ : nullptr; }),
      view_(ActionContext{env, messages_, random, clock}, host_, data_directory) {
  host_.SetMainWindow(&view_);
}

bool CleanslateQtApp::Start() {
  view_.Load();
  return !host_.error_reported();
}

}  // namespace cleanslate
