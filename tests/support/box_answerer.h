// BoxAnswerer: answers the real message boxes of a Qt window test. Each
// modal message box is answered, as it appears, with the next queued button;
// its text, default button, parent window and what the pointer looks like
// meanwhile are recorded. With no answer queued, a box with OK alone is
// answered OK, and any other is closed (and `ran_out` set).

#ifndef TESTS_SUPPORT_BOX_ANSWERER_H_
#define TESTS_SUPPORT_BOX_ANSWERER_H_

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace testing_support {

class BoxAnswerer {
 public:
  // `main_window` is the window whose pointer is looked at while a box waits.
  explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers,
                       const QWidget* main_window = nullptr)
      : answers_(answers), main_window_(main_window) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
  }

  QStringList texts;
  QList<QMessageBox::StandardButton> defaults;
  QList<const QWidget*> parents;  // the window each box belongs to
  QList<QPoint> centre_offsets;   // box centre minus its parent's centre
  // Whether the busy pointer showed over the box, and over the main window,
  // while each box waited.
  QList<bool> busy_over_box, busy_over_window;
  bool ran_out = false;

 private:
  static bool Busy(const QWidget* widget) {
    if (QApplication::overrideCursor() != nullptr) {
      return QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
    return widget != nullptr && widget->cursor().shape() == Qt::WaitCursor;
  }

  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts << box->text();
    defaults << box->standardButton(box->defaultButton());
    const QWidget* parent = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    parents << parent;
    centre_offsets << (parent ? box->geometry().center() - parent->geometry().center() : QPoint());
    busy_over_box << Busy(box);
    busy_over_window << Busy(main_window_);
    if (answers_.isEmpty() && box->standardButtons() == QMessageBox::Ok) {
      box->button(QMessageBox::Ok)->click();
      return;
    }
    if (answers_.isEmpty()) {
      ran_out = true;
      box->reject();
      return;
    }
    box->button(answers_.takeFirst())->click();
  }

  QList<QMessageBox::StandardButton> answers_;
  const QWidget* main_window_;
  QTimer timer_;
};

}  // namespace testing_support

#endif  // TESTS_SUPPORT_BOX_ANSWERER_H_
