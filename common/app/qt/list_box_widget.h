// ListBoxWidget: the Qt list of a ListBox control. It draws the control's
// lines, selected line and visibility, shows clearly when it has the
// keyboard focus, and entering it selects nothing. With no line selected,
// the first key picks a line as LineFromNoSelection says (Down the first
// line, End the last, ...).

#ifndef COMMON_APP_QT_LIST_BOX_WIDGET_H_
#define COMMON_APP_QT_LIST_BOX_WIDGET_H_

#include <QListWidget>

#include "common/app/controls.h"

namespace common {

class ListBoxWidget : public QListWidget {
 public:
  explicit ListBoxWidget(QWidget* parent = nullptr);

  // Draws `box`. Emits no signal: only the user picks a line.
  void Render(const ListBox& box);

  // The style sheet rule that frames a focused list; a view that styles the
  // list itself adds it to its own rules.
  static QString FocusFrameStyle(const QString& selector);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace common

#endif  // COMMON_APP_QT_LIST_BOX_WIDGET_H_
