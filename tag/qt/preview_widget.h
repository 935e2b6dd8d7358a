// PreviewWidget: the preview row at the top of formTags, drawn from the
// window's state: a box per position in use, its letter below it, a line
// from the letter up to the box, and a white line joining a tag's two boxes.
// Twips are scaled to the screen at 1440 to the inch.

#ifndef TAG_QT_PREVIEW_WIDGET_H_
#define TAG_QT_PREVIEW_WIDGET_H_

#include <QWidget>

#include "tag/form_tags.h"

namespace tag {

class PreviewWidget : public QWidget {
 public:
  PreviewWidget(const FormTagsControls& controls, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  // Pixels for `twips` on this screen.
  int Pixels(int twips) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const FormTagsControls& controls_;
};

}  // namespace tag

#endif  // TAG_QT_PREVIEW_WIDGET_H_
