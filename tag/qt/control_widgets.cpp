#include "tag/qt/control_widgets.h"

#include <QLabel>
#include <QPushButton>

#include "common/qt/qt_messages.h"
#include "tag/controls.h"

namespace tag {

QLabel* MakeLabel(const Label& label, const char* name, QWidget* parent) {
  auto* widget = new QLabel(common::FromWindows1252(label.caption), parent);
  widget->setObjectName(name);
  widget->setWordWrap(true);
  return widget;
}

QPushButton* MakeButton(const Button& button, const char* name, QWidget* parent) {
  auto* widget = new QPushButton(common::FromWindows1252(button.caption), parent);
  widget->setObjectName(name);
  widget->setFocusPolicy(Qt::StrongFocus);
  widget->setAutoDefault(false);
  return widget;
}

}  // namespace tag
