#include "common/app/qt/list_box_widget.h"

#include <QSignalBlocker>

#include "common/app/qt/qt_messages.h"

namespace common {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setStyleSheet(FocusFrameStyle("QListWidget"));
}

QString ListBoxWidget::FocusFrameStyle(const QString& selector) {
  // The frame keeps its width with and without the focus, so nothing moves.
  return selector + " { border: 2px solid palette(mid); } " + selector +
         ":focus { border: 2px solid palette(highlight); }";
}

void ListBoxWidget::Render(const ListBox& box) {
  const QSignalBlocker blocker(this);
  bool same = count() == static_cast<int>(box.lines.size());
  for (int i = 0; same && i < count(); ++i) {
    same = item(i)->text() == FromWindows1252(box.lines[static_cast<std::size_t>(i)]);
  }
  if (!same) {
    clear();
    for (const std::string& line : box.lines) addItem(FromWindows1252(line));
  }
  if (currentRow() != box.list_index) setCurrentRow(box.list_index);
  if (box.list_index < 0) clearSelection();
  setVisible(box.visible);
}

QModelIndex ListBoxWidget::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // The item view starts every move from the first line when none is
  // current, so End, Up and PageDown would all pick the first line.
  if (currentIndex().isValid() || count() == 0) {
    return QListWidget::moveCursor(action, modifiers);
  }
  ListKey key;
  switch (action) {
    case MoveUp:
      key = ListKey::kUp;
      break;
    case MoveDown:
      key = ListKey::kDown;
      break;
    case MoveHome:
      key = ListKey::kHome;
      break;
    case MoveEnd:
      key = ListKey::kEnd;
      break;
    case MovePageUp:
      key = ListKey::kPageUp;
      break;
    case MovePageDown:
      key = ListKey::kPageDown;
      break;
    default:
      return QListWidget::moveCursor(action, modifiers);
  }
  // A page: the lines shown whole.
  int page = 0;
  while (page < count() && viewport()->rect().contains(visualItemRect(item(page)))) ++page;
  return model()->index(LineFromNoSelection(key, count(), page), 0);
}

void ListBoxWidget::focusInEvent(QFocusEvent* event) {
  // The item view makes the first line current when it gets the focus with
  // none; here entering the list chooses nothing.
  const int row = currentRow();
  const QSignalBlocker blocker(this);
  QListWidget::focusInEvent(event);
  if (currentRow() != row) setCurrentRow(row);
}

}  // namespace common
