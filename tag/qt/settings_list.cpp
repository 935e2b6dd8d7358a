#include "tag/qt/settings_list.h"

#include <QMouseEvent>

namespace tag {

SettingsList::SettingsList(QWidget* parent) : common::ListBoxWidget(parent) {
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (mouse_down_) {
      row_changed_ = true;  // reported when the button is released
    } else if (row >= 0) {
      emit lineChosen(row);
    }
  });
}

void SettingsList::mousePressEvent(QMouseEvent* event) {
  mouse_down_ = event->button() == Qt::LeftButton;
  row_changed_ = false;
  QListWidget::mousePressEvent(event);
}

void SettingsList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (!mouse_down_) return;
  mouse_down_ = false;
  const bool on_a_line = itemAt(event->position().toPoint()) != nullptr;
  if ((row_changed_ || on_a_line) && currentRow() >= 0) emit lineChosen(currentRow());
}

}  // namespace tag
