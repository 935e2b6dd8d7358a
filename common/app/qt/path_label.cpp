#include "common/app/qt/path_label.h"

#include <QResizeEvent>
#include <algorithm>

namespace common {

namespace {
constexpr int kLeastCharacters = 12;
constexpr int kPreferredCharacters = 60;
}  // namespace

PathLabel::PathLabel(const QString& text, QWidget* parent) : QLabel(parent), whole_(text) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setToolTip(whole_);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setText(whole_);
}

QSize PathLabel::sizeHint() const {
  const int whole = fontMetrics().horizontalAdvance(whole_);
  const int preferred = fontMetrics().averageCharWidth() * kPreferredCharacters;
  return {std::min(whole, preferred) + 2 * margin(), QLabel::sizeHint().height()};
}

QSize PathLabel::minimumSizeHint() const {
  return {fontMetrics().averageCharWidth() * kLeastCharacters + 2 * margin(),
          QLabel::minimumSizeHint().height()};
}

void PathLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Shorten();
}

void PathLabel::Shorten() {
  const QString shown = fontMetrics().elidedText(whole_, Qt::ElideMiddle, contentsRect().width());
  if (shown != text()) setText(shown);
}

}  // namespace common
