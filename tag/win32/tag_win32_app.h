// TagWin32App: Tag in Win32 windows. It owns the tag layout, the logic of
// formTags and the windows that show it, answers the logic's requests
// (focus, the department window, ending the program) and runs every event
// procedure guarded, redrawing the windows after each. The department
// window and the preview window are owned by the layout window: they stay
// in front of it and move with it when it is minimized.

#ifndef TAG_WIN32_TAG_WIN32_APP_H_
#define TAG_WIN32_TAG_WIN32_APP_H_

#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "common/app/startup.h"
#include "common/app/win32/win32_messages.h"
#include "common/app/win32/win32_window_host.h"
#include "common/platform/env.h"
#include "tag/form_tags.h"
#include "tag/tag_window_host.h"

namespace tag {

class ChangeOrderDialog;
class FormTagsDialog;
class TagPreviewDialog;

// What the windows ask of the application.
class TagWindows {
 public:
  virtual ~TagWindows() = default;
  // Runs `procedure` for the window `window`: its messages are centred on
  // it; every window is drawn again afterwards.
  virtual void Run(HWND window, const std::function<void()>& procedure) = 0;
  // The frame of formTags or of the department window was closed.
  virtual void FormClosing() = 0;
  virtual void ChangeOrderClosing() = 0;
  // Ctrl+I or "Preview with items" in `window`: shows the tag preview, or
  // hides it when it is shown.
  virtual void TogglePreview(HWND window) = 0;
  // formTags moved by (dx, dy) pixels: the windows it owns go with it.
  virtual void FormMoved(int dx, int dy) = 0;
};

class TagWin32App : public TagWindowHost, public TagWindows {
 public:
  TagWin32App(common::Env& env, const common::ProgramInfo& info, const std::string& data_directory,
              std::ostream& err);
  ~TagWin32App() override;

  // Runs Form_Load and shows formTags with the focus in the settings list.
  // False when a file error ended the start (it has been reported).
  bool Start();
  int Exec() { return host_.Exec(); }

  // TagWindows
  void Run(HWND window, const std::function<void()>& procedure) override;
  void FormClosing() override;
  void ChangeOrderClosing() override;
  void TogglePreview(HWND window) override;
  void FormMoved(int dx, int dy) override;

  // TagWindowHost
  void ProcessPendingEvents() override;
  void SetBusyPointer(bool busy) override;
  void EndProgram() override;
  void MoveFocusToChangeBox() override;
  void ShowChangeOrder(ChangeOrder& window) override;
  void CloseChangeOrder() override;

 private:
  HWND MessageOwner() const;
  void RenderAll();
  bool ChangeOrderShown() const;
  bool FormShown() const;
  void EndWhenNoWindow();
  bool Shortcut(const MSG& message);
  // Shows or hides the preview window as the logic says, and draws it.
  void RenderPreview();

  common::Env& env_;
  common::Win32WindowHost host_;
  common::Win32Messages messages_;
  TagLayout layout_;
  FormTags form_;
  std::unique_ptr<FormTagsDialog> form_window_;
  std::unique_ptr<ChangeOrderDialog> change_order_window_;
  std::unique_ptr<TagPreviewDialog> preview_window_;
  HWND raising_ = nullptr;         // the window whose event procedure runs
  HWND preview_opener_ = nullptr;  // the window the preview was shown from
};

}  // namespace tag

#endif  // TAG_WIN32_TAG_WIN32_APP_H_
