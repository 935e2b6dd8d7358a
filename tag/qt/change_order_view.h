// ChangeOrderView: the Qt window of the department tag field order. It draws
// the window state of its ChangeOrder logic and turns what the user does
// into its event procedures. It deletes itself once closed. Tab follows the
// reading order; the buttons answer Alt+S (Save Change) and Alt+A (Set all
// back to default), the department box Alt+L. Entering the department box
// selects its text, and Escape there goes back to the department shown.

#ifndef TAG_QT_CHANGE_ORDER_VIEW_H_
#define TAG_QT_CHANGE_ORDER_VIEW_H_

#include <QWidget>
#include <array>

#include "tag/change_order.h"
#include "tag/qt/event_runner.h"

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tag {

class DepartmentBox;

class ChangeOrderView : public QWidget {
 public:
  ChangeOrderView(ChangeOrder& logic, EventRunner& runner);

  void Render();
  // Gives the department box the focus, now or when the window is shown.
  void FocusDepartment();
  ChangeOrder& logic() { return logic_; }
  // "Preview with items": shows and hides the tag preview.
  QPushButton* preview_button() { return preview_button_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  QWidget* BuildCatalogue();
  QLayout* BuildLayoutBoxes();
  QLayout* BuildDepartment();
  QWidget* BuildInstructions();
  QLayout* BuildButtons();

  ChangeOrder& logic_;
  EventRunner& runner_;
  QListWidget* fields_;
  std::array<QLineEdit*, 6> text_;
  DepartmentBox* dept_;
  QLabel* department_label_;
  QLabel* label1_;
  QPushButton* command1_;
  QPushButton* set_to_default_;
  QPushButton* preview_button_;
};

// Courier New; where it is missing, a face of the same metrics (Liberation
// Mono, Cousine), else the system's fixed-pitch font.
QFont FixedPitchFont();

}  // namespace tag

#endif  // TAG_QT_CHANGE_ORDER_VIEW_H_
