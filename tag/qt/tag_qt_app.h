// TagQtApp: Tag in Qt windows. It owns the tag layout, the logic of formTags
// and the windows that show it, answers the logic's requests (focus, the
// department window, ending the program) and runs every event procedure
// guarded, redrawing the windows after each. The department window and the
// tag preview are owned by formTags: they open beside it, stay in front of
// it and move with it. The program's main and the window tests use it
// alike.
//
// REQUIRES: a QApplication exists for the whole life of a TagQtApp.

#ifndef TAG_QT_TAG_QT_APP_H_
#define TAG_QT_TAG_QT_APP_H_

#include <QPoint>
#include <QPointer>
#include <QString>
#include <memory>
#include <ostream>
#include <string>

#include "common/app/messages.h"
#include "common/app/qt/qt_messages.h"
#include "common/app/qt/qt_window_host.h"
#include "common/app/startup.h"
#include "common/platform/env.h"
#include "tag/form_tags.h"
#include "tag/qt/event_runner.h"
#include "tag/qt/window_placement.h"
#include "tag/tag_window_host.h"

class QPushButton;

namespace tag {

class ChangeOrderView;
class FormTagsView;
class TagPreviewView;

class TagQtApp : public TagWindowHost, public EventRunner {
 public:
  // Works on the data directory of `env`, whose full path is
  // `data_directory`. Messages show as message boxes centred on the window
  // that raised them; a file error is also written to `err` as one line.
  TagQtApp(common::Env& env, const common::ProgramInfo& info, const std::string& data_directory,
           std::ostream& err);
  // The same with other messages (a test's).
  TagQtApp(common::Env& env, common::Messages& messages, const common::ProgramInfo& info,
           const std::string& data_directory, std::ostream& err);
  ~TagQtApp() override;

  // Runs Form_Load and shows formTags with the focus in the settings list.
  // False when a file error ended the start (it has been reported).
  bool Start();
  // Runs the event loop after Start(); returns the exit status.
  int Exec() { return window_host_.Exec(); }

  FormTags& form() { return form_; }
  FormTagsView* form_view() { return form_view_.get(); }
  // The department window, or null while it is closed.
  ChangeOrderView* change_order_view();
  bool ended() const { return window_host_.ended(); }
  // The window messages are centred on now, or null.
  QWidget* MessageParent() const;
  // The tag preview window, or null before it was first shown.
  TagPreviewView* preview_view();

  // EventRunner
  void Run(QWidget* window, const std::function<void()>& procedure) override;
  void WindowClosing(QWidget* window) override;
  void WindowMoved(QWidget* window, QPoint by) override;

  // TagWindowHost
  void ProcessPendingEvents() override;
  void SetBusyPointer(bool busy) override;
  void EndProgram() override;
  void MoveFocusToChangeBox() override;
  void ShowChangeOrder(ChangeOrder& window) override;
  void CloseChangeOrder() override;

 private:
  TagQtApp(common::Env& env, common::Messages* messages, const common::ProgramInfo& info,
           const std::string& data_directory, std::ostream& err);
  void RenderAll();
  void RenderPreview();
  // Ctrl+I or the button in `window`.
  void TogglePreview(QWidget* window);
  void AttachPreviewKeys(QWidget* window, QPushButton* button);
  void PlaceBesideForm(QWidget* window);
  void PlaceBeside(QWidget* window, const QWidget* next_to);
  Placement PlaceNextTo(const QWidget* window, const QWidget& next_to, FormMay next_to_may) const;
  static void MoveFrameTo(QWidget* window, QPoint frame_at, const QWidget& like);
  // Attaches `owned` to formTags, or while that is closed (or `closing`)
  // to the department window; to none when neither is open.
  void Attach(QWidget* owned, const QWidget* closing = nullptr);

  common::Env& env_;
  common::QtWindowHost window_host_;
  std::unique_ptr<common::QtMessages> own_messages_;
  TagLayout layout_;
  FormTags form_;
  std::unique_ptr<FormTagsView> form_view_;
  QPointer<ChangeOrderView> change_order_view_;
  QPointer<QWidget> raising_;  // the window whose event procedure runs
  QPointer<TagPreviewView> preview_view_;
  QPointer<QWidget> preview_opener_;  // where Ctrl+I showed the preview
};

}  // namespace tag

#endif  // TAG_QT_TAG_QT_APP_H_
