// PathLabel: a label showing a text that ends in a path, such as the data
// directory's. A text wider than the label is shortened in the middle with
// "…", so a long path never makes its window wider; the whole text is the
// label's tooltip.

#ifndef COMMON_APP_QT_PATH_LABEL_H_
#define COMMON_APP_QT_PATH_LABEL_H_

#include <QLabel>

namespace common {

class PathLabel : public QLabel {
 public:
  PathLabel(const QString& text, QWidget* parent = nullptr);

  const QString& whole_text() const { return whole_; }

  // As wide as the whole text up to about sixty characters; at least a
  // dozen.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Shorten();

  QString whole_;
};

}  // namespace common

#endif  // COMMON_APP_QT_PATH_LABEL_H_
