// SettingsList: the settings list of formTags. It reports a line chosen by
// the user, with the mouse (once per click, also on the line already
// selected) or with the arrow keys, and nothing else: filling the list or
// selecting a line from the program reports nothing.

#ifndef TAG_QT_SETTINGS_LIST_H_
#define TAG_QT_SETTINGS_LIST_H_

#include "common/app/qt/list_box_widget.h"

namespace tag {

class SettingsList : public common::ListBoxWidget {
  Q_OBJECT

 public:
  explicit SettingsList(QWidget* parent = nullptr);

 signals:
  void lineChosen(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool mouse_down_ = false;
  bool row_changed_ = false;  // while the mouse is down
};

}  // namespace tag

#endif  // TAG_QT_SETTINGS_LIST_H_
