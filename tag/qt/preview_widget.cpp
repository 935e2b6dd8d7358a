#include "tag/qt/preview_widget.h"

#include <QPainter>
#include <cmath>

#include "common/app/qt/qt_messages.h"

namespace tag {

namespace {
constexpr int kTwipsPerInch = 1440;
constexpr int kPreviewWidth = 9600;
}  // namespace

PreviewWidget::PreviewWidget(const FormTagsControls& controls, QWidget* parent)
    : QWidget(parent), controls_(controls) {
  setObjectName("preview");
  setFixedHeight(Pixels(kPreviewHeight));
  setMinimumWidth(Pixels(kPreviewWidth));
}

int PreviewWidget::Pixels(int twips) const {
  return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpiX() / kTwipsPerInch));
}

QSize PreviewWidget::sizeHint() const { return {Pixels(kPreviewWidth), Pixels(kPreviewHeight)}; }

void PreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The classic face grey, on which the white joining lines stand out.
  painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
  for (std::size_t i = 0; i < controls_.Line.size(); ++i) {
    const common::LineShape& line = controls_.Line[i];
    if (!line.visible) continue;
    painter.setPen(QPen(line.white ? Qt::white : Qt::black, 1));
    painter.drawLine(Pixels(line.x1), Pixels(line.y1), Pixels(line.x2), Pixels(line.y2));
  }
  for (std::size_t i = 0; i < controls_.Text.size(); ++i) {
    const common::TextBox& box = controls_.Text[i];
    if (box.visible) {
      const QRect rect(Pixels(box.left), Pixels(kPreviewBoxTop), Pixels(kPreviewBoxWidth),
                       Pixels(kPreviewBoxHeight));
      painter.setPen(Qt::black);
      painter.setBrush(Qt::white);
      painter.drawRect(rect);
      painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       common::FromWindows1252(box.text));
    }
    const common::Label& letter = controls_.letters[i];
    if (letter.visible) {
      const QRect rect(Pixels(letter.left), Pixels(kPreviewLetterTop), Pixels(kPreviewLetterWidth),
                       Pixels(kPreviewLetterHeight));
      painter.setPen(Qt::black);
      painter.drawText(rect, Qt::AlignCenter, common::FromWindows1252(letter.caption));
    }
  }
}

}  // namespace tag
