#include "tag/qt/control_widgets.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <algorithm>

#include "common/app/controls.h"
#include "common/app/qt/qt_messages.h"

namespace tag {

QString WithMnemonic(const QString& caption, char key) {
  QString text = caption;
  text.replace("&", "&&");
  const qsizetype at = text.indexOf(QChar(key));
  if (at >= 0) text.insert(at, '&');
  return text;
}

Qt::WindowFlags OwnedWindowFlags() {
  return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
         Qt::WindowCloseButtonHint;
}

void KeepContentsWhole(QWidget& window) {
  window.ensurePolished();
  QLayout* layout = window.layout();
  layout->activate();
  const QSize least = layout->totalMinimumSize();
  const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(least.width()) : 0;
  window.setMinimumSize(least.width(), std::max(least.height(), height));
}

QLabel* MakeLabel(const common::Label& label, const char* name, QWidget* parent) {
  auto* widget = new QLabel(common::FromWindows1252(label.caption), parent);
  widget->setObjectName(name);
  widget->setWordWrap(true);
  return widget;
}

QPushButton* MakeButton(const common::Button& button, const char* name, char key, QWidget* parent) {
  auto* widget =
      new QPushButton(WithMnemonic(common::FromWindows1252(button.caption), key), parent);
  widget->setObjectName(name);
  widget->setFocusPolicy(Qt::StrongFocus);
  // Outside a dialog this only makes Enter press the focused button.
  widget->setAutoDefault(true);
  return widget;
}

}  // namespace tag
