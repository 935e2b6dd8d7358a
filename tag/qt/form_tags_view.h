// FormTagsView: the Qt window of formTags. It draws the window state of its
// FormTags logic and turns what the user does into its event procedures.
// The change box reports its focus events for moves between the controls of
// the program; a message box or another window taking the focus for a
// moment is no such move. Enter in the change box leaves it for the
// settings list, which stores the value as leaving it any other way does.
// Tab follows the columns, left to right and each from the top; the
// buttons answer Alt+S (Save Change), Alt+X (Save/Exit) and Alt+O (Change
// Order), the check box Alt+M.

#ifndef TAG_QT_FORM_TAGS_VIEW_H_
#define TAG_QT_FORM_TAGS_VIEW_H_

#include <QWidget>

#include "tag/form_tags.h"
#include "tag/qt/event_runner.h"

class QBoxLayout;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace tag {

class PreviewWidget;
class SettingsList;

class FormTagsView : public QWidget {
 public:
  FormTagsView(FormTags& logic, EventRunner& runner);

  // Draws the window state of the logic.
  void Render();
  // Moves the keyboard focus to the change box.
  void FocusChangeBox();
  void FocusSettingsList();
  // "Preview with items": shows and hides the tag preview.
  QPushButton* preview_button() { return preview_button_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Build();
  QLayout* BuildChangeColumn();
  QLayout* BuildSettingsColumn();
  QLayout* BuildMicroAdjustColumn();
  void BuildBottom(QBoxLayout& outer);

  FormTags& logic_;
  EventRunner& runner_;
  PreviewWidget* preview_;
  SettingsList* list_;
  QLabel* commandset_;
  QLineEdit* tabbox_;
  QPushButton* command1_;
  QCheckBox* microadjust_;
  QLineEdit* factor_;
  QLabel* factor_label_;
  QLabel* data_directory_;
  QPushButton* save_;
  QPushButton* command2_;
  QPushButton* preview_button_;
};

}  // namespace tag

#endif  // TAG_QT_FORM_TAGS_VIEW_H_
